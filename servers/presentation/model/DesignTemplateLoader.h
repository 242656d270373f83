// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

// Opaque here: the template readers make them, the writers use them.
struct TemplateDesign;
struct PackageDesign;

// The two families of design templates, each carried only into its own
// family of presentation files.
enum class DesignFamily
{
    PowerPoint97, // .pot, .ppt: for .ppt files
    OpenXml,      // .potx, .pptx: for .pptx files
};

// What applying a design template gives a presentation: which file it was
// and the design read from it, handed on to the file writer. Exactly one of
// the designs is set, the one of its family.
struct DesignTemplate
{
    std::string fileName;
    DesignFamily family = DesignFamily::PowerPoint97;
    std::shared_ptr<const TemplateDesign> design;
    std::shared_ptr<const PackageDesign> packageDesign;
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
