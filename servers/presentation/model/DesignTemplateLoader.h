// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

struct TemplateDesign; // opaque here: the template reader makes it, the writer uses it

// What applying a design template gives a presentation: which file it was
// and the design records read from it, handed on to the file writer.
struct DesignTemplate
{
    std::string fileName;
    std::shared_ptr<const TemplateDesign> design;
};

// A template that could not be read. The message names the path and the
// reason, in words a user can act on.
class CTemplateError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Reads design templates for Presentation.ApplyTemplate. The server is
// started with one when the program can read templates; without one it
// declines ApplyTemplate with a server exception.
class IDesignTemplateLoader
{
public:
    virtual ~IDesignTemplateLoader() = default;

    // The design stored in the template at fileName. Throws CTemplateError.
    virtual std::shared_ptr<const DesignTemplate> Load(const std::string& fileName) = 0;
};
