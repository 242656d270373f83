// SPDX-License-Identifier: MIT
#include "TextRangeObject.h"

#include "PowerPointDispids.h"

#include <algorithm>

CTextRangeObject::CTextRangeObject(std::shared_ptr<ApplicationState> state,
                                   CObjectRef<CSlideObject> slide, std::size_t placeholder,
                                   CTextSpan span) noexcept
    : CModelObject(std::move(state)), m_slide(std::move(slide)), m_placeholder(placeholder),
      m_span(span)
{}

std::span<const DispatchRow<CTextRangeObject>> CTextRangeObject::Members()
{
    using Row = DispatchRow<CTextRangeObject>;
    static constexpr Row rows[] = {
        {PowerPointDispid::TextRangeText, InvokeKind::PropertyPut, Args(ArgType::String),
         &CTextRangeObject::PutText},
        {PowerPointDispid::TextRangeInsertAfter, InvokeKind::Method, Args(ArgType::String),
         &CTextRangeObject::InsertAfter},
        {PowerPointDispid::TextRangeParagraphs, InvokeKind::Method, Args(ArgType::I4, ArgType::I4),
         &CTextRangeObject::Paragraphs},
        {PowerPointDispid::TextRangeIndentLevel, InvokeKind::PropertyPut, Args(ArgType::I4),
         &CTextRangeObject::PutIndentLevel},
    };
    return rows;
}

HRESULT CTextRangeObject::Answer(const InvokeCall& call)
{
    return InvokeFromTable(*this, Members(), call);
}

std::string CTextRangeObject::Text() const
{
    const CTextBody body = Body();
    const TextExtent extent = m_span.Resolve(body);
    const auto& paragraphs = body.Paragraphs();
    std::string text;
    for (std::size_t i = extent.from.paragraph; i <= extent.to.paragraph; ++i) {
        const std::string_view paragraph = paragraphs[i].text;
        const std::size_t begin = i == extent.from.paragraph ? extent.from.offset : 0;
        const std::size_t end = i == extent.to.paragraph ? extent.to.offset : paragraph.size();
        if (i > extent.from.paragraph)
            text += '\r';
        text.append(paragraph, begin, end - begin);
    }
    return text;
}

CVariant CTextRangeObject::NewRange(const CTextSpan& span) const
{
    return MakeObject<CTextRangeObject>(State(), m_slide, m_placeholder, span).HandOver();
}

CVariant CTextRangeObject::PutText(const CArguments& args)
{
    CTextBody body = Body();
    const TextExtent extent = m_span.Resolve(body);
    const TextPosition end = body.Replace(extent, args.String(0));
    m_span = m_span.AfterReplace(extent, end);
    return {};
}

CVariant CTextRangeObject::InsertAfter(const CArguments& args)
{
    CTextBody body = Body();
    const TextPosition at = m_span.Resolve(body).to;
    const TextPosition end = body.Replace(TextExtent{at, at}, args.String(0));
    return NewRange(CTextSpan::Characters(TextExtent{at, end}));
}

// A start beyond the range's last paragraph stands for that last paragraph:
// callers ask for "paragraph 256" to reach the one they have just written.
CVariant CTextRangeObject::Paragraphs(const CArguments& args)
{
    const std::int32_t start = args.I4(0);
    const std::int32_t length = args.I4(1);
    if (start < 1)
        throw CServerError(ServerError::ParagraphStartOutOfRange, {std::to_string(start)});
    if (length < 1)
        throw CServerError(ServerError::ParagraphLengthOutOfRange, {std::to_string(length)});
    const CTextBody body = Body();
    const ParagraphRun run = body.ParagraphsOf(m_span.Resolve(body));
    const std::size_t offset = std::min(static_cast<std::size_t>(start - 1), run.Count() - 1);
    const std::size_t count = std::min(static_cast<std::size_t>(length), run.Count() - offset);
    return NewRange(CTextSpan::Paragraphs(run.first + offset, count));
}

CVariant CTextRangeObject::PutIndentLevel(const CArguments& args)
{
    const std::int32_t level = args.I4(0);
    if (level < 0 || level > kMaxIndentLevel)
        throw CServerError(ServerError::IndentLevelOutOfRange, {std::to_string(level)});
    // A bullet line of a lone "." asks for level 0: it is shown at the top.
    CTextBody body = Body();
    body.SetIndentLevel(body.ParagraphsOf(m_span.Resolve(body)), std::max(level, kMinIndentLevel));
    return {};
}
