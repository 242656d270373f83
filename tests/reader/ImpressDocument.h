// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

// What a reader made of a presentation, read from the OpenDocument file it
// converts to (LibreOffice Impress: flat .fodp; Calligra Stage: .odp).
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

// The same from the content.xml and styles.xml of a packaged OpenDocument
// file. A frame whose placeholder mark was dropped counts with the class of
// the master frame its style derives from.
std::vector<ImpressPage> ReadImpressContent(const QByteArray& contentXml,
                                            const QByteArray& stylesXml);
