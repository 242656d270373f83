// SPDX-License-Identifier: MIT
#pragma once

#include "DesktopOpenAction.h"
#include "PresentationViewer.h"

#include <functional>
#include <memory>
#include <string>

// Shows presentations through the desktop's open action, which starts
// whatever program the user has chosen for presentations. The hand-off never
// waits for that program; a failure is told to the user, never kept quiet:
// a failed launch through the open action, anything else through the report
// function.
class CDesktopPresentationViewer final : public IPresentationViewer
{
public:
    using Report = std::function<void(const std::string& text)>;

    CDesktopPresentationViewer(Report report, std::shared_ptr<IDesktopOpenAction> desktop);

    void Show(const std::string& path) noexcept override;
    void ReportFailure(const std::string& text) noexcept override;

private:
    Report m_report;
    std::shared_ptr<IDesktopOpenAction> m_desktop;
};
