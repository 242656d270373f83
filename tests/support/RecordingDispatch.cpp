// SPDX-License-Identifier: MIT
#include "RecordingDispatch.h"

#include <array>
#include <utility>

struct CRecordingServer::State : CRecordingLog
{
    State() : CRecordingLog("Recording server") {}

    int slidesCreated = 0;
};

namespace {

// The operations of the application's object model that the builder uses.
const std::array<CRecordedOperation, 17>& Operations()
{
    using K = InvokeKind;
    static const std::array<CRecordedOperation, 17> operations{{
        {"Application", 2001, K::PropertyGet, "Presentations", {}, "Presentations"},
        {"Application", 2021, K::Method, "Quit", {}, ""},
        {"Application", 2033, K::Method, "Activate", {}, ""},
        {"Presentations", 2003, K::Method, "Add", {VT_I4}, "Presentation"},
        {"Presentation", 2011, K::PropertyGet, "Slides", {}, "Slides"},
        {"Presentation", 2007, K::Method, "ApplyTemplate", {VT_BSTR}, ""},
        {"Presentation", 2036, K::Method, "SaveAs", {VT_BSTR, VT_I4, VT_I4}, ""},
        {"Slides", 11, K::PropertyGet, "Count", {}, ""},
        {"Slides", 2004, K::Method, "Add", {VT_I4, VT_I4}, "Slide"},
        {"Slide", 2003, K::PropertyGet, "Shapes", {}, "Shapes"},
        {"Shapes", 0, K::Method, "Item", {VT_BSTR}, "Shape"},
        {"Shape", 121, K::PropertyGet, "TextFrame", {}, "TextFrame"},
        {"TextFrame", 2004, K::PropertyGet, "TextRange", {}, "TextRange"},
        {"TextRange", 0, K::PropertyPut, "Text", {VT_BSTR}, ""},
        {"TextRange", 2017, K::Method, "InsertAfter", {VT_BSTR}, "TextRange"},
        {"TextRange", 2010, K::Method, "Paragraphs", {VT_I4, VT_I4}, "TextRange"},
        {"TextRange", 2024, K::PropertyPut, "IndentLevel", {VT_I4}, ""},
    }};
    return operations;
}

class CPresentationRecordingObject final : public CRecordingObject
{
public:
    CPresentationRecordingObject(std::shared_ptr<CRecordingServer::State> state, std::string kind,
                                 std::string label)
        : CRecordingObject(state, Operations(), std::move(kind), std::move(label)),
          m_state(std::move(state))
    {}

private:
    std::string ChildLabel(const CRecordedOperation& operation,
                           const std::vector<CVariant>& args) const
    {
        const std::string resultKind = operation.resultKind;
        const std::string& label = Label();
        if (resultKind == "Slide")
            return "Slide" + std::to_string(++m_state->slidesCreated);
        if (resultKind == "Shape")
            return label.substr(0, label.rfind('.')) + "." + args[0].String();
        if (resultKind == "Presentations" || resultKind == "Presentation" || resultKind == "Slides")
            return resultKind;
        if (operation.dispid == 2017)
            return label.substr(0, label.rfind('.')) + ".Inserted";
        if (operation.dispid == 2010)
            return label.substr(0, label.rfind('.')) + ".Paragraph";
        return label + "." + resultKind;
    }

    void Answer(const CRecordedOperation& operation, const std::vector<CVariant>& args,
                CVariant* result) override
    {
        if (result == nullptr)
            return;
        if (Kind() == "Slides" && operation.dispid == 11) {
            *result = CVariant(static_cast<std::int32_t>(m_state->slidesCreated));
        } else if (*operation.resultKind != '\0') {
            *result = CVariant::TakeDispatch(new CPresentationRecordingObject(
                m_state, operation.resultKind, ChildLabel(operation, args)));
        }
    }

    std::shared_ptr<CRecordingServer::State> m_state;
};

} // namespace

CRecordingServer::CRecordingServer()
    : CRecordingServerBase(std::make_shared<State>(), "Powerpoint.Application",
                           [](const std::shared_ptr<CRecordingLog>& log) -> IDispatch* {
                               return new CPresentationRecordingObject(
                                   std::static_pointer_cast<State>(log), "Application",
                                   "Application");
                           })
{}

CRecordingServer::~CRecordingServer() = default;
