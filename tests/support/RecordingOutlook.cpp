// SPDX-License-Identifier: MIT
#include "RecordingOutlook.h"

#include <array>
#include <utility>

struct CRecordingOutlookServer::State : CRecordingLog
{
    explicit State(std::vector<Note> folderItems)
        : CRecordingLog("Recording mail server"), notes(std::move(folderItems))
    {}

    std::vector<Note> notes;
    std::function<void(Note&, const std::string&)> beforeRead;
};

namespace {

// The operations of the object model that the notes source uses.
const std::array<CRecordedOperation, 11>& Operations()
{
    using K = InvokeKind;
    static const std::array<CRecordedOperation, 11> operations{{
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

class COutlookObject final : public CRecordingObject
{
public:
    COutlookObject(std::shared_ptr<CRecordingOutlookServer::State> state, std::string kind,
                   std::string label, std::size_t note = 0)
        : CRecordingObject(state, Operations(), std::move(kind), std::move(label)),
          m_state(std::move(state)), m_note(note)
    {}

private:
    void Answer(const CRecordedOperation& operation, const std::vector<CVariant>& args,
                CVariant* result) override
    {
        if (result != nullptr)
            *result = Answered(operation, args);
    }

    CVariant NewObject(const char* kind, std::string label, std::size_t note = 0) const
    {
        return CVariant::TakeDispatch(new COutlookObject(m_state, kind, std::move(label), note));
    }

    CVariant Answered(const CRecordedOperation& operation, const std::vector<CVariant>& args) const
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
        CRecordingOutlookServer::Note& note = m_state->notes.at(m_note);
        if (m_state->beforeRead)
            m_state->beforeRead(note, name);
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
    std::size_t m_note;
};

} // namespace

CRecordingOutlookServer::CRecordingOutlookServer(std::vector<Note> notes)
    : CRecordingServerBase(std::make_shared<State>(std::move(notes)), "Outlook.Application",
                           [](const std::shared_ptr<CRecordingLog>& log) -> IDispatch* {
                               return new COutlookObject(std::static_pointer_cast<State>(log),
                                                         "Application", "Application");
                           })
{}

CRecordingOutlookServer::~CRecordingOutlookServer() = default;

CRecordingOutlookServer::Note& CRecordingOutlookServer::NoteAt(int position)
{
    return static_cast<State&>(Log()).notes.at(static_cast<std::size_t>(position - 1));
}

void CRecordingOutlookServer::BeforeEachRead(std::function<void(Note&, const std::string&)> change)
{
    static_cast<State&>(Log()).beforeRead = std::move(change);
}
