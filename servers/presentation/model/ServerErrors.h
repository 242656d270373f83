// SPDX-License-Identifier: MIT
#pragma once

#include "Dispatch.h"

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

// Every exception the presentation server raises, by cause. The texts live in
// one table (ServerErrors.cpp) so that users always read the same words for
// the same fault and tests can hold the server to them.
enum class ServerError
{
    ShapeNameNotFound,
    ShapeIndexOutOfRange,
    SlideIndexOutOfRange,
    LayoutNotSupported,
    TooManySlides,
    ParagraphStartOutOfRange,
    ParagraphLengthOutOfRange,
    IndentLevelOutOfRange,
    FileNameEmpty,
    FileFormatNotSupported,
    NoFileWriter,
    SaveFailed,
    SaveFailedWithoutReason,
    TemplatesNotSupported,
    TemplateFailed,
    TemplateFailedWithoutReason,
    Unexpected,
};

// The name the server gives itself as the source of its exceptions.
inline constexpr std::string_view kServerErrorSource = "Quillon presentation server";

// A server exception on its way to the caller's exception record. Raised by
// the object model's handlers, caught at Invoke, never seen outside it.
class CServerError : public std::exception
{
public:
    // The table's text for error, with "{1}", "{2}"... replaced by details.
    CServerError(ServerError error, std::initializer_list<std::string_view> details = {});

    ServerError Error() const noexcept { return m_error; }
    HRESULT Code() const noexcept { return m_code; }
    const std::string& Description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_description.c_str(); }

    void FillExcepInfo(ExcepInfo& info) const;

private:
    ServerError m_error;
    HRESULT m_code;
    std::string m_description;
};
