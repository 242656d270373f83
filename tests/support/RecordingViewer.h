// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationViewer.h"

#include <string>
#include <vector>

// Remembers the presentations it was asked to show and the failures it was
// asked to report, in place of the desktop's viewer.
class CRecordingViewer final : public IPresentationViewer
{
public:
    void Show(const std::string& path) noexcept override { shown.push_back(path); }
    void ReportFailure(const std::string& text) noexcept override { failures.push_back(text); }

    std::vector<std::string> shown;
    std::vector<std::string> failures;
};
