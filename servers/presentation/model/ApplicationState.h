#pragma once

#include "DesignTemplateLoader.h"
#include "PresentationFileWriter.h"

#include <memory>

// What the world lends the server: the file writer behind SaveAs and the
// template reader behind ApplyTemplate. Either may be missing; the operation
// that needs it then raises a server exception that says so.
struct PresentationServices
{
    std::shared_ptr<IPresentationFileWriter> fileWriter;
    std::shared_ptr<IDesignTemplateLoader> templateLoader;
};

// Shared by every object of one application, however long a client keeps
// an object: the services, and whether the application was shown or quit.
struct ApplicationState
{
    PresentationServices services;
    bool active = false;
    bool quit = false;
};
