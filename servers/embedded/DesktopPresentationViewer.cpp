// SPDX-License-Identifier: MIT
#include "DesktopPresentationViewer.h"

CDesktopPresentationViewer::CDesktopPresentationViewer(Report report,
                                                       std::shared_ptr<IDesktopOpenAction> desktop)
    : m_report(std::move(report)), m_desktop(std::move(desktop))
{}

void CDesktopPresentationViewer::Show(const std::string& path) noexcept
{
    try {
        m_desktop->Open(path, "The presentation \"" + path +
                                  "\" could not be opened: the desktop has no program that "
                                  "shows presentations, or it did not start.");
    } catch (const std::exception&) {
        ReportFailure("The presentation \"" + path + "\" could not be opened.");
    }
}

void CDesktopPresentationViewer::ReportFailure(const std::string& text) noexcept
{
    try {
        if (m_report)
            m_report(text);
    } catch (const std::exception&) {
        // The report itself failed; there is no one left to tell.
    }
}
