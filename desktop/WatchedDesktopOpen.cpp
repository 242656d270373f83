// SPDX-License-Identifier: MIT
#include "WatchedDesktopOpen.h"

#include "LaunchReport.h"

#include <QSocketNotifier>
#include <memory>

CWatchedDesktopOpen::CWatchedDesktopOpen(Report report, CDesktopLauncher launcher)
    : m_report(std::move(report)), m_launcher(std::move(launcher))
{}

CWatchedDesktopOpen::~CWatchedDesktopOpen() = default;

void CWatchedDesktopOpen::Open(const std::string& path, const std::string& failureText) noexcept
{
    try {
        auto report = std::make_shared<CLaunchReport>();
        if (!m_launcher.Launch(path, report->WriteEnd(), failureText)) {
            Tell(failureText);
            return;
        }
        report->CloseWriteEnd();
        // A child of this object, so that it goes with it.
        auto* notifier = new QSocketNotifier(report->ReadEnd(), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, notifier, report] {
            if (!report->Wait(std::chrono::milliseconds(0)))
                return;
            // Done with before the message, which runs a loop of its own.
            notifier->setEnabled(false);
            notifier->deleteLater();
            if (!report->FailureText().empty())
                Tell(report->FailureText());
        });
    } catch (const std::exception&) {
        Tell(failureText);
    }
}

int CWatchedDesktopOpen::Pending() const
{
    int pending = 0;
    for (const QSocketNotifier* notifier : findChildren<QSocketNotifier*>())
        pending += notifier->isEnabled() ? 1 : 0;
    return pending;
}

void CWatchedDesktopOpen::Tell(const std::string& text) noexcept
{
    try {
        if (m_report)
            m_report(text);
    } catch (const std::exception&) {
        // The report itself failed; there is no one left to tell.
    }
}
