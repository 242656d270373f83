// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Shows a finished presentation to the user. When a client makes the
// application visible and leaves it running, the desktop's presentation
// program stands in for the application's own window: the server hands it
// each presentation once the client is done with it.
class IPresentationViewer
{
public:
    virtual ~IPresentationViewer() = default;

    // Shows the presentation stored at path. A viewer that cannot show it
    // tells the user itself; nothing is thrown.
    virtual void Show(const std::string& path) noexcept = 0;
    // The presentation could not be made ready for showing; the text says
    // why, in words for the user.
    virtual void ReportFailure(const std::string& text) noexcept = 0;
};
