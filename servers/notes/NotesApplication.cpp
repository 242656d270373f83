// SPDX-License-Identifier: MIT
#include "NotesApplication.h"

#include "NotesFault.h"
#include "NotesNameSpace.h"
#include "OutlookDispids.h"

#include <algorithm>

namespace {

bool EqualsIgnoringAsciiCase(const std::string& text, const std::string& expected)
{
    return std::equal(text.begin(), text.end(), expected.begin(), expected.end(),
                      [](char a, char b) {
                          const auto lower = [](char c) {
                              return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
                          };
                          return lower(a) == lower(b);
                      });
}

} // namespace

CNotesApplication::CNotesApplication(std::filesystem::path folder) : m_folder(std::move(folder)) {}

const std::vector<CNotesMember>& CNotesApplication::Members() const
{
    static const std::vector<CNotesMember> members{
        {OutlookDispid::ApplicationGetNamespace, InvokeKind::Method, {VT_BSTR}, 1},
    };
    return members;
}

CVariant CNotesApplication::Answer(const CNotesMember&, const std::vector<CVariant>& args)
{
    const std::string& type = args[0].String();
    if (!EqualsIgnoringAsciiCase(type, OutlookConstant::NamespaceMapi))
        throw CNotesFault("The namespace \"" + type +
                          "\" does not exist; the only one is \"MAPI\".");
    return CVariant::TakeDispatch(new CNotesNameSpace(m_folder));
}
