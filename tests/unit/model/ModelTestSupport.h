// SPDX-License-Identifier: MIT
#pragma once

#include "Application.h"
#include "ApplicationObject.h"
#include "DesignTemplateLoader.h"
#include "DispatchObject.h"
#include "PresentationFileWriter.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Records what SaveAs hands over; fails with a given message when asked to.
class CFakeFileWriter : public IPresentationFileWriter
{
public:
    struct Call
    {
        PresentationDocument document;
        std::string path;
        int fileFormat;
    };

    void Write(const PresentationDocument& document, const std::string& path,
               int fileFormat) override;

    std::vector<Call> calls;
    std::optional<std::string> failWith;
};

class CFakeTemplateLoader : public IDesignTemplateLoader
{
public:
    std::shared_ptr<const DesignTemplate> Load(const std::string& fileName) override;

    std::vector<std::string> loaded;
    std::optional<std::string> failWith;
    DesignFamily family = DesignFamily::PowerPoint97;
};

// Gives each test an application of its own, driven through the client
// bindings as the builder drives it, and checks at the end that every
// reference handed out was given back.
class CModelTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The application, created on first use with the services set so far.
    const PowerPoint::Application& App();
    const CApplicationObject& AppObject();

    PowerPoint::Presentation NewPresentation();
    // The text range over the whole text of the named shape.
    static PowerPoint::TextRange Range(const PowerPoint::Slide& slide, const std::string& shape);
    // The document of the application's presentation at index (from 0).
    PresentationDocument Document(std::size_t index = 0);

    PresentationServices m_services;
    std::shared_ptr<CFakeFileWriter> m_writer = std::make_shared<CFakeFileWriter>();

private:
    long m_liveAtStart = 0;
    PowerPoint::Application m_app;
    CApplicationObject* m_appObject = nullptr;
};

std::vector<std::string> Texts(const Placeholder& placeholder);
std::vector<int> Levels(const Placeholder& placeholder);
