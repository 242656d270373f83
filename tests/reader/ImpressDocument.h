#pragma once

#include <QString>
#include <string>
#include <vector>

// What LibreOffice Impress made of a presentation, read from the flat
// OpenDocument file it converts to.
struct ImpressParagraph
{
    std::string text;
    int level = 1; // how many lists enclose the paragraph, at least 1
};

struct ImpressFrame
{
    std::string presentationClass; // title, subtitle, outline
    std::vector<ImpressParagraph> paragraphs;
};

struct ImpressPage
{
    std::string layout; // AL1T0, AL2T1, AL3T3 ...
    std::vector<ImpressFrame> frames;
};

// Reads the slides of a .fodp file (notes pages left out). Throws
// std::runtime_error when the XML is not well formed.
std::vector<ImpressPage> ReadImpressDocument(const QString& path);
