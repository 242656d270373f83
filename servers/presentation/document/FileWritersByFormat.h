// SPDX-License-Identifier: MIT
#pragma once

#include "PresentationFileWriter.h"

#include <map>
#include <memory>
#include <string>

// Hands each save to the writer of its file format, so the object model
// keeps one writer seam whatever formats the composition root provides.
class CFileWritersByFormat : public IPresentationFileWriter
{
public:
    void Add(int fileFormat, std::shared_ptr<IPresentationFileWriter> writer)
    {
        m_writers[fileFormat] = std::move(writer);
    }

    void Write(const PresentationDocument& document, const std::string& path,
               int fileFormat) override
    {
        const auto found = m_writers.find(fileFormat);
        if (found == m_writers.end())
            throw CSaveError("Cannot save \"" + path + "\": file format " +
                             std::to_string(fileFormat) + " is not supported.");
        found->second->Write(document, path, fileFormat);
    }

private:
    std::map<int, std::shared_ptr<IPresentationFileWriter>> m_writers;
};
