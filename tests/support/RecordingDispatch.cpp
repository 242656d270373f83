#include "RecordingDispatch.h"

#include "DispatchObject.h"
#include "Variant.h"

#include <array>
#include <utility>

struct CRecordingServer::State
{
    bool startFails = false;
    int starts = 0;
    int slidesCreated = 0;
    std::vector<std::string> calls;
    std::vector<Invocation> invocations;
    std::map<std::string, std::pair<std::string, HRESULT>> failures;
};

namespace {

// One row per operation of the application's object model that the
// builder uses: kind of object, member id, invoke kind, name, arguments,
// and the kind of object the result is (empty: no object).
struct Operation
{
    const char* objectKind;
    DISPID dispid;
    InvokeKind kind;
    const char* name;
    std::vector<VarType> argTypes;
    const char* resultKind;
};

const std::array<Operation, 17>& Operations()
{
    using K = InvokeKind;
    static const std::array<Operation, 17> operations{{
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

const char* TypeName(VarType type)
{
    switch (type) {
    case VT_I4:
        return "I4";
    case VT_BSTR:
        return "BSTR";
    case VT_DATE:
        return "DATE";
    case VT_DISPATCH:
        return "DISPATCH";
    case VT_ERROR:
        return "ERROR";
    case VT_BOOL:
        return "BOOL";
    case VT_EMPTY:
        break;
    }
    return "EMPTY";
}

std::string ArgumentText(const CVariant& value)
{
    return value.Type() == VT_I4 ? std::to_string(value.I4()) : DescribeVariant(value);
}

class CRecordingObject final : public CDispatchObject
{
public:
    CRecordingObject(std::shared_ptr<CRecordingServer::State> state, std::string kind,
                     std::string label)
        : m_state(std::move(state)), m_kind(std::move(kind)), m_label(std::move(label))
    {}

    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                   ExcepInfo* excepInfo) override
    {
        const Operation* operation = Find(dispid, kind);
        if (operation == nullptr)
            return DISP_E_MEMBERNOTFOUND;
        std::vector<CVariant> args(params.args.rbegin(), params.args.rend());
        Record(*operation, args, params);
        if (args.size() != operation->argTypes.size())
            return DISP_E_BADPARAMCOUNT;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i].Type() != operation->argTypes[i])
                return DISP_E_TYPEMISMATCH;
        }
        if (kind == InvokeKind::PropertyPut &&
            (params.namedArgs.size() != 1 || params.namedArgs[0] != DISPID_PROPERTYPUT))
            return DISP_E_PARAMNOTFOUND;
        const auto failure = m_state->failures.find(m_state->calls.back());
        if (failure != m_state->failures.end()) {
            if (failure->second.second != DISP_E_EXCEPTION)
                return failure->second.second;
            excepInfo->source = "Recording server";
            excepInfo->description = failure->second.first;
            excepInfo->scode = E_FAIL;
            return DISP_E_EXCEPTION;
        }
        Answer(*operation, args, result);
        return S_OK;
    }

private:
    const Operation* Find(DISPID dispid, InvokeKind kind) const
    {
        for (const Operation& operation : Operations()) {
            if (m_kind == operation.objectKind && operation.dispid == dispid &&
                operation.kind == kind)
                return &operation;
        }
        return nullptr;
    }

    void Record(const Operation& operation, const std::vector<CVariant>& args,
                const DispParams& params)
    {
        std::string line = m_label + "." + operation.name;
        CRecordingServer::Invocation invocation{m_kind,
                                                operation.dispid,
                                                operation.kind,
                                                {},
                                                !params.namedArgs.empty() &&
                                                    params.namedArgs[0] == DISPID_PROPERTYPUT};
        for (const CVariant& arg : args)
            invocation.argTypes.emplace_back(TypeName(arg.Type()));
        if (operation.kind == InvokeKind::PropertyPut && args.size() == 1) {
            line += " = " + ArgumentText(args[0]);
        } else if (operation.kind == InvokeKind::Method) {
            line += "(";
            for (std::size_t i = 0; i < args.size(); ++i)
                line += (i == 0 ? "" : ", ") + ArgumentText(args[i]);
            line += ")";
        }
        m_state->calls.push_back(std::move(line));
        m_state->invocations.push_back(std::move(invocation));
    }

    std::string ChildLabel(const Operation& operation, const std::vector<CVariant>& args) const
    {
        const std::string resultKind = operation.resultKind;
        if (resultKind == "Slide")
            return "Slide" + std::to_string(++m_state->slidesCreated);
        if (resultKind == "Shape")
            return m_label.substr(0, m_label.rfind('.')) + "." + args[0].String();
        if (resultKind == "Presentations" || resultKind == "Presentation" || resultKind == "Slides")
            return resultKind;
        if (operation.dispid == 2017)
            return m_label.substr(0, m_label.rfind('.')) + ".Inserted";
        if (operation.dispid == 2010)
            return m_label.substr(0, m_label.rfind('.')) + ".Paragraph";
        return m_label + "." + resultKind;
    }

    void Answer(const Operation& operation, const std::vector<CVariant>& args, CVariant* result)
    {
        if (result == nullptr)
            return;
        if (m_kind == "Slides" && operation.dispid == 11) {
            *result = CVariant(static_cast<std::int32_t>(m_state->slidesCreated));
        } else if (*operation.resultKind != '\0') {
            *result = CVariant::TakeDispatch(
                new CRecordingObject(m_state, operation.resultKind, ChildLabel(operation, args)));
        }
    }

    std::shared_ptr<CRecordingServer::State> m_state;
    std::string m_kind;
    std::string m_label;
};

} // namespace

CRecordingServer::CRecordingServer()
    : m_state(std::make_shared<State>()),
      m_registration("Powerpoint.Application", [state = m_state]() -> IDispatch* {
          if (state->startFails)
              return nullptr;
          ++state->starts;
          return new CRecordingObject(state, "Application", "Application");
      })
{}

CRecordingServer::~CRecordingServer() = default;

void CRecordingServer::SetStartFails(bool fails)
{
    m_state->startFails = fails;
}

void CRecordingServer::FailOn(std::string line, std::string description, HRESULT status)
{
    m_state->failures[std::move(line)] = {std::move(description), status};
}

const std::vector<std::string>& CRecordingServer::Calls() const
{
    return m_state->calls;
}

const std::vector<CRecordingServer::Invocation>& CRecordingServer::Invocations() const
{
    return m_state->invocations;
}

int CRecordingServer::Starts() const
{
    return m_state->starts;
}

void CRecordingServer::ClearCalls()
{
    m_state->calls.clear();
    m_state->invocations.clear();
}
