// SPDX-License-Identifier: MIT
#pragma once

#include "PackageDesign.h"
#include "PresentationDocument.h"
#include "ZipPackage.h"

#include <cstdint>
#include <memory>
#include <string>

// The parts that name the package's contents and describe the document.
namespace PackageParts {

// What docProps/core.xml and app.xml say about the presentation.
struct Properties
{
    std::string title;        // UTF-8
    std::string application;  // the program that wrote the file
    std::int64_t created = 0; // seconds since 1970, UTC
    std::int64_t saved = 0;
    std::size_t slideCount = 0;
};

// The design's parts are listed and named as design gives them; a
// template's main part has a content type of its own.
std::string ContentTypesXml(std::size_t slideCount, const PackageDesign& design,
                            bool isTemplate = false);
std::string RootRelsXml();
std::string PresentationXml(std::size_t slideCount, const PackageDesign& design);
std::string PresentationRelsXml(std::size_t slideCount, const PackageDesign& design);
// The same three parts, which list every slide, a piece at a time: the
// slides' entries are made as they are written.
std::unique_ptr<IPartPieces> ContentTypesPieces(std::size_t slideCount, const PackageDesign& design,
                                                bool isTemplate = false);
std::unique_ptr<IPartPieces> PresentationPieces(std::size_t slideCount,
                                                const PackageDesign& design);
std::unique_ptr<IPartPieces> PresentationRelsPieces(std::size_t slideCount,
                                                    const PackageDesign& design);
std::string CorePropertiesXml(const Properties& properties);
std::string AppPropertiesXml(const Properties& properties);

// The slide part of one slide and its relationship to the design's layout.
std::string SlideXml(const SlideData& slide, const PackageDesign& design);
std::string SlideRelsXml(const SlideData& slide, const PackageDesign& design);

// The same slide part a piece at a time: the XML around the placeholders'
// paragraphs, the paragraphs kParagraphsAPiece or kTextAPiece bytes of text
// at a time, and a paragraph of more text than that on its own, its text
// kTextAPiece bytes a piece; so a slide of any number or length of bullets is
// never held whole. The bytes are SlideXml's.
std::unique_ptr<IPartPieces> SlidePieces(const SlideData& slide, const PackageDesign& design);
inline constexpr std::size_t kParagraphsAPiece = 1024;
inline constexpr std::size_t kTextAPiece = 64 * 1024;
// More paragraphs than one piece holds, or more text than a slide is worth
// holding whole: worth streaming.
inline constexpr std::size_t kLargeSlideText = 256 * 1024;
bool IsLargeSlide(const SlideData& slide);

// Slide ids run from 256 to 2^31 - 1, so no more slides fit in a package.
inline constexpr std::size_t kMaxSlides = 2147483648U - 256U;

} // namespace PackageParts
