// SPDX-License-Identifier: MIT
#pragma once

#include "DesktopLauncher.h"
#include "DesktopOpenAction.h"

#include <QObject>
#include <functional>
#include <string>

// For a program with an event loop: each launch's report is watched by the
// loop, and a failure is told through the report function once it is known,
// while the program goes on taking input. Launches still watched when the
// object goes are no longer heard.
class CWatchedDesktopOpen final : public QObject, public IDesktopOpenAction
{
    Q_OBJECT

public:
    using Report = std::function<void(const std::string& text)>;

    explicit CWatchedDesktopOpen(Report report, CDesktopLauncher launcher = CDesktopLauncher());
    ~CWatchedDesktopOpen() override;

    void Open(const std::string& path, const std::string& failureText) noexcept override;

    // Launches whose outcome is not known yet.
    int Pending() const;

private:
    void Tell(const std::string& text) noexcept;

    Report m_report;
    CDesktopLauncher m_launcher;
};
