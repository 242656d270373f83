// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <functional>
#include <string>

// The application object of a GUI program, which ends the program with
// status 1 and a message when an event's handling runs out of memory,
// instead of letting the exception reach Qt, which aborts.
class CGuardedApplication final : public QApplication
{
public:
    // tell shows the message; it may fail, as memory is short.
    CGuardedApplication(int& argc, char** argv, std::function<void(const std::string&)> tell);

    bool notify(QObject* receiver, QEvent* event) override;

    static constexpr const char* kOutOfMemoryText =
        "There is not enough memory to go on. The program ends; presentations already saved "
        "are kept.";

private:
    std::function<void(const std::string&)> m_tell;
};
