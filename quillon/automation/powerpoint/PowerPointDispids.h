// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

// Member ids of the presentation application's object model. The same id
// stands on several object kinds (2003, 2004, 0), so each name says its kind.
namespace PowerPointDispid {
inline constexpr DISPID ApplicationPresentations = 2001;
inline constexpr DISPID ApplicationQuit = 2021;
inline constexpr DISPID ApplicationActivate = 2033;
inline constexpr DISPID PresentationsAdd = 2003;
inline constexpr DISPID PresentationSlides = 2011;
inline constexpr DISPID PresentationApplyTemplate = 2007;
inline constexpr DISPID PresentationSaveAs = 2036;
inline constexpr DISPID SlidesCount = 11;
inline constexpr DISPID SlidesAdd = 2004;
inline constexpr DISPID SlideShapes = 2003;
inline constexpr DISPID ShapesItem = 0;
inline constexpr DISPID ShapeTextFrame = 121;
inline constexpr DISPID TextFrameTextRange = 2004;
inline constexpr DISPID TextRangeText = 0;
inline constexpr DISPID TextRangeInsertAfter = 2017;
inline constexpr DISPID TextRangeParagraphs = 2010;
inline constexpr DISPID TextRangeIndentLevel = 2024;
} // namespace PowerPointDispid

// Values of the application's enumerations that the builder passes.
namespace PowerPointConstant {
inline constexpr int msoFalse = 0;
inline constexpr int msoCTrue = 1;
inline constexpr int ppLayoutTitle = 1;
inline constexpr int ppLayoutText = 2;
inline constexpr int ppLayoutTwoColumnText = 3;
inline constexpr int ppSaveAsPresentation = 1;
inline constexpr int ppSaveAsTemplate = 5;
inline constexpr int ppSaveAsOpenXMLPresentation = 24;
} // namespace PowerPointConstant
