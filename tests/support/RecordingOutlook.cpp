#include "RecordingOutlook.h"

#include "DispatchObject.h"
#include "Variant.h"

#include <array>
#include <map>
#include <utility>

struct CRecordingOutlookServer::State
{
    bool startFails = false;
    std::vector<Note> notes;
    std::vector<std::string> calls;
    std::vector<Invocation> invocations;
    std::map<std::string, std::pair<std::string, HRESULT>> failures;
};

namespace {

// One row per operation of the object model that the notes source uses:
// kind of object, member id, invoke kind, name, argument types, and the kind
// of object the result is (empty: no object).
struct Operation
{
    const char* objectKind;
    DISPID dispid;
    InvokeKind kind;
    const char* name;
    std::vector<VarType> argTypes;
    const char* resultKind;
};

const std::array<Operation, 11>& Operations()
{
    using K = InvokeKind;
    static const std::array<Operation, 11> operations{{
        {"Application", 272, K::Method, "GetNamespace", {VT_BSTR}, "NameSpace"},
        {"NameSpace", 8453, K::Method, "Logon", {VT_ERROR, VT_ERROR, VT_ERROR, VT_ERROR}, ""},
        {"NameSpace", 8459, K::Method, "GetDefaultFolder", {VT_I4}, "MAPIFolder"},
        {"MAPIFolder", 12544, K::PropertyGet, "Items", {}, "Items"},
        {"Items", 80, K::PropertyGet, "Count", {}, ""},
        {"Items", 81, K::Method, "Item", {VT_I4}, "NoteItem"},
        {"NoteItem", 26, K::PropertyGet, "MessageClass", {}, ""},
        {"NoteItem", 63392, K::PropertyGet, "Subject", {}, ""},
        {"NoteItem", 12295, K::PropertyGet, "CreationTime", {}, ""},
        {"NoteItem", 12296, K::PropertyGet, "LastModificationTime", {}, ""},
        {"NoteItem", 37120, K::PropertyGet, "Body", {}, ""},
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

class COutlookObject final : public CDispatchObject
{
public:
    COutlookObject(std::shared_ptr<CRecordingOutlookServer::State> state, std::string kind,
                   std::string label, std::size_t note = 0)
        : m_state(std::move(state)), m_kind(std::move(kind)), m_label(std::move(label)),
          m_note(note)
    {}

    HRESULT Invoke(DISPID dispid, InvokeKind kind, DispParams& params, CVariant* result,
                   ExcepInfo* excepInfo) override
    {
        const Operation* operation = Find(dispid, kind);
        if (operation == nullptr)
            return DISP_E_MEMBERNOTFOUND;
        const std::vector<CVariant> args(params.args.rbegin(), params.args.rend());
        Record(*operation, args);
        if (args.size() != operation->argTypes.size())
            return DISP_E_BADPARAMCOUNT;
        for (std::size_t i = 0; i < args.size(); ++i) {
            if (args[i].Type() != operation->argTypes[i])
                return DISP_E_TYPEMISMATCH;
        }
        const auto failure = m_state->failures.find(m_state->calls.back());
        if (failure != m_state->failures.end()) {
            if (failure->second.second != DISP_E_EXCEPTION)
                return failure->second.second;
            excepInfo->source = "Recording mail server";
            excepInfo->description = failure->second.first;
            excepInfo->scode = E_FAIL;
            return DISP_E_EXCEPTION;
        }
        if (result != nullptr)
            *result = Answer(*operation, args);
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

    void Record(const Operation& operation, const std::vector<CVariant>& args)
    {
        std::string line = m_label + "." + operation.name;
        CRecordingOutlookServer::Invocation invocation{
            m_kind, operation.dispid, operation.kind, {}};
        for (const CVariant& arg : args)
            invocation.argTypes.emplace_back(TypeName(arg.Type()));
        if (operation.kind == InvokeKind::Method) {
            line += "(";
            for (std::size_t i = 0; i < args.size(); ++i)
                line += (i == 0 ? "" : ", ") + ArgumentText(args[i]);
            line += ")";
        }
        m_state->calls.push_back(std::move(line));
        m_state->invocations.push_back(std::move(invocation));
    }

    CVariant NewObject(const char* kind, std::string label, std::size_t note = 0) const
    {
        return CVariant::TakeDispatch(new COutlookObject(m_state, kind, std::move(label), note));
    }

    CVariant Answer(const Operation& operation, const std::vector<CVariant>& args) const
    {
        const std::string name = operation.name;
        if (name == "GetNamespace")
            return NewObject("NameSpace", "NameSpace");
        if (name == "GetDefaultFolder")
            return NewObject("MAPIFolder", "Notes");
        if (name == "Items")
            return NewObject("Items", "Items");
        if (name == "Count")
            return CVariant(static_cast<std::int32_t>(m_state->notes.size()));
        if (name == "Item") {
            const std::int32_t position = args[0].I4();
            if (position < 1 || static_cast<std::size_t>(position) > m_state->notes.size())
                return {};
            return NewObject("NoteItem", "Item" + std::to_string(position),
                             static_cast<std::size_t>(position - 1));
        }
        if (name == "Logon")
            return {};
        return NoteProperty(name);
    }

    CVariant NoteProperty(const std::string& name) const
    {
        const CRecordingOutlookServer::Note& note = m_state->notes.at(m_note);
        if (name == "MessageClass")
            return CVariant(note.messageClass);
        if (name == "Subject")
            return CVariant(note.subject);
        if (name == "CreationTime")
            return CVariant::FromDate(note.creationTime);
        if (name == "LastModificationTime")
            return CVariant::FromDate(note.lastModificationTime);
        return CVariant(note.body);
    }

    std::shared_ptr<CRecordingOutlookServer::State> m_state;
    std::string m_kind;
    std::string m_label;
    std::size_t m_note;
};

} // namespace

CRecordingOutlookServer::CRecordingOutlookServer(std::vector<Note> notes)
    : m_state(std::make_shared<State>()),
      m_registration("Outlook.Application", [state = m_state]() -> IDispatch* {
          if (state->startFails)
              return nullptr;
          return new COutlookObject(state, "Application", "Application");
      })
{
    m_state->notes = std::move(notes);
}

CRecordingOutlookServer::~CRecordingOutlookServer() = default;

void CRecordingOutlookServer::SetStartFails(bool fails)
{
    m_state->startFails = fails;
}

void CRecordingOutlookServer::FailOn(std::string line, std::string description, HRESULT status)
{
    m_state->failures[std::move(line)] = {std::move(description), status};
}

CRecordingOutlookServer::Note& CRecordingOutlookServer::NoteAt(int position)
{
    return m_state->notes.at(static_cast<std::size_t>(position - 1));
}

const std::vector<std::string>& CRecordingOutlookServer::Calls() const
{
    return m_state->calls;
}

const std::vector<CRecordingOutlookServer::Invocation>& CRecordingOutlookServer::Invocations() const
{
    return m_state->invocations;
}

void CRecordingOutlookServer::ClearCalls()
{
    m_state->calls.clear();
    m_state->invocations.clear();
}
