// SPDX-License-Identifier: MIT
#include "ServerErrors.h"

#include <array>
#include <cstddef>

namespace {

struct ServerErrorRow
{
    ServerError error;
    HRESULT code;
    std::string_view text;
};

// Details: {1}, {2}... in the order the raising code passes them. A message
// from a file writer or template reader is shown unchanged: it already names
// the path and the reason.
constexpr std::array<ServerErrorRow, 17> kServerErrors{{
    {ServerError::ShapeNameNotFound, E_INVALIDARG,
     "Shapes.Item: the item \"{1}\" was not found in the Shapes collection; "
     "this slide has {2}."},
    {ServerError::ShapeIndexOutOfRange, E_INVALIDARG,
     "Shapes.Item: the index {1} is out of range; this slide has shapes 1 to {2}."},
    {ServerError::SlideIndexOutOfRange, E_INVALIDARG,
     "Slides.Add: the index {1} is out of range; it must be from 1 to {2}."},
    {ServerError::LayoutNotSupported, E_INVALIDARG,
     "Slides.Add: the layout {1} is not supported; this server makes slides of layout "
     "1 (title), 2 (text) or 3 (two-column text)."},
    {ServerError::TooManySlides, E_INVALIDARG,
     "Slides.Add: a presentation holds at most {1} slides; no slide was added."},
    {ServerError::ParagraphStartOutOfRange, E_INVALIDARG,
     "TextRange.Paragraphs: the start {1} is out of range; it must be 1 or more."},
    {ServerError::ParagraphLengthOutOfRange, E_INVALIDARG,
     "TextRange.Paragraphs: the length {1} is out of range; it must be 1 or more."},
    {ServerError::IndentLevelOutOfRange, E_INVALIDARG,
     "TextRange.IndentLevel: the level {1} is out of range; it must be from 1 to 5 "
     "(0 counts as 1)."},
    {ServerError::FileNameEmpty, E_INVALIDARG,
     "Presentation.SaveAs: the file name is empty, so the presentation was not saved."},
    {ServerError::FileFormatNotSupported, E_INVALIDARG,
     "Presentation.SaveAs: the file format {1} is not supported; this server saves "
     "format 1 (presentation), 5 (design template) or 24 (Open XML presentation). \"{2}\" "
     "was not saved."},
    {ServerError::NoFileWriter, E_FAIL,
     "Presentation.SaveAs: this server was started without a file writer, so \"{1}\" "
     "was not saved."},
    {ServerError::SaveFailed, E_FAIL, "{1}"},
    {ServerError::SaveFailedWithoutReason, E_FAIL,
     "Presentation.SaveAs: \"{1}\" could not be saved."},
    {ServerError::TemplatesNotSupported, E_NOTIMPL,
     "Presentation.ApplyTemplate: design templates cannot be applied by this server, "
     "so \"{1}\" was not applied."},
    {ServerError::TemplateFailed, E_FAIL, "{1}"},
    {ServerError::TemplateFailedWithoutReason, E_FAIL,
     "Presentation.ApplyTemplate: the design template \"{1}\" could not be applied."},
    {ServerError::Unexpected, E_FAIL, "The presentation server failed unexpectedly: {1}"},
}};

const ServerErrorRow& FindRow(ServerError error)
{
    for (const ServerErrorRow& row : kServerErrors) {
        if (row.error == error)
            return row;
    }
    return kServerErrors.back();
}

// Replaces each "{n}" (n from 1 to 9) by the nth detail. Details are
// inserted verbatim, so a detail that contains "{1}" is not expanded again.
std::string Expand(std::string_view text, std::initializer_list<std::string_view> details)
{
    std::string expanded;
    expanded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool isField = text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' &&
                             text[i + 1] <= '9' && text[i + 2] == '}';
        const auto index = isField ? static_cast<std::size_t>(text[i + 1] - '1') : details.size();
        if (index < details.size()) {
            expanded += details.begin()[index];
            i += 2;
        } else {
            expanded += text[i];
        }
    }
    return expanded;
}

} // namespace

CServerError::CServerError(ServerError error, std::initializer_list<std::string_view> details)
    : m_error(error), m_code(FindRow(error).code),
      m_description(Expand(FindRow(error).text, details))
{}

void CServerError::FillExcepInfo(ExcepInfo& info) const
{
    info = ExcepInfo{};
    info.source = std::string(kServerErrorSource);
    info.description = m_description;
    info.scode = m_code;
}
