#pragma once

#include "PresentationViewer.h"

#include <functional>
#include <string>

// Shows presentations through the desktop's open action (xdg-open), which
// starts whatever program the user has chosen for presentations. A failure
// is told to the user through the report function, never kept quiet.
class CDesktopPresentationViewer final : public IPresentationViewer
{
public:
    using Report = std::function<void(const std::string& text)>;

    explicit CDesktopPresentationViewer(Report report, std::string openProgram = "xdg-open");

    void Show(const std::string& path) noexcept override;
    void ReportFailure(const std::string& text) noexcept override;

private:
    Report m_report;
    std::string m_openProgram;
};
