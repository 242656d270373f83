#pragma once

#include "DesignTemplateLoader.h"
#include "PresentationFileWriter.h"
#include "PresentationViewer.h"

#include <memory>

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
};

// Shared by every object of one application, however long a client keeps
// an object: the services, and whether the application was shown or quit.
struct ApplicationState
{
    PresentationServices services;
    bool active = false;
    bool quit = false;
};
