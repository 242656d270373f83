// SPDX-License-Identifier: MIT
#include "GuardedApplication.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <unistd.h>

CGuardedApplication::CGuardedApplication(int& argc, char** argv,
                                         std::function<void(const std::string&)> tell)
    : QApplication(argc, argv), m_tell(std::move(tell))
{}

bool CGuardedApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        // By now the unwinding has freed what the failed step held and a save
        // in progress has removed its temporary file, so there is room to say so.
        const std::string line = std::string(kOutOfMemoryText) + "\n";
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line.data(), line.size());
        try {
            m_tell(kOutOfMemoryText);
        } catch (...) {
            // The line on the error stream has said it.
        }
        // Qt's own state may be half-changed: no destructor of it runs.
        std::_Exit(1);
    }
}
