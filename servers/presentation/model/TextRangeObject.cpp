// SPDX-License-Identifier: MIT
#include "TextRangeObject.h"

#include "PowerPointDispids.h"

#include <algorithm>

CTextRangeObject::CTextRangeObject(std::shared_ptr<ApplicationState> state,
                                   std::shared_ptr<CTextBody> body, CTextSpan span) noexcept
    : CModelObject(std::move(state)), m_body(std::move(body)), m_span(span)
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
    const TextExtent extent = m_span.Resolve(*m_body);
    const auto& paragraphs = m_body->Paragraphs();
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
    return MakeObject<CTextRangeObject>(State(), m_body, span).NewReference();
}

CVariant CTextRangeObject::PutText(const CArguments& args)
{
    const TextExtent extent = m_span.Resolve(*m_body);
    const TextPosition end = m_body->Replace(extent, args.String(0));
    m_span = m_span.AfterReplace(extent, end);
    return {};
}

CVariant CTextRangeObject::InsertAfter(const CArguments& args)
{
    const TextPosition at = m_span.Resolve(*m_body).to;
    const TextPosition end = m_body->Replace(TextExtent{at, at}, args.String(0));
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
    const ParagraphRun run = m_body->ParagraphsOf(m_span.Resolve(*m_body));
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
    m_body->SetIndentLevel(m_body->ParagraphsOf(m_span.Resolve(*m_body)),
                           std::max(level, kMinIndentLevel));
    return {};
}
