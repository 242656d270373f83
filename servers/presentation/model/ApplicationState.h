// SPDX-License-Identifier: MIT
#pragma once

#include "DesignTemplateLoader.h"
#include "PresentationFileWriter.h"
#include "PresentationViewer.h"

#include <functional>
#include <memory>
#include <string>

// What the world lends the server: the file writer behind SaveAs, the
// template reader behind ApplyTemplate, and the viewer that shows what a
// visible application leaves open. Any may be missing; an operation that
// needs one then raises a server exception that says so, and without a
// viewer nothing is shown.
struct PresentationServices
{
    std::shared_ptr<IPresentationFileWriter> fileWriter;
    std::shared_ptr<IDesignTemplateLoader> templateLoader;
    std::shared_ptr<IPresentationViewer> viewer;
    // What the client calls the presentation it is building (its file name,
    // though it is not saved yet); names the copy the viewer shows.
    std::function<std::string()> viewingName;
};

// Shared by every object of one application, however long a client keeps
// an object: the services, and whether the application was shown or quit.
struct ApplicationState
{
    PresentationServices services;
    bool active = false;
    bool quit = false;
};
