// SPDX-License-Identifier: MIT
// A notes folder of any file names and contents, listed and read through the
// notes server as the main dialog does. Input: entries of one byte of name
// length, the name, two bytes (little-endian) of text length and the text.
// Names the file system cannot take are skipped; every note the server lists
// must then give its subject, dates and text, or refuse through automation.
#include "AutomationException.h"
#include "NotesFolderServer.h"
#include "outlook/Application.h"
#include "outlook/Items.h"
#include "outlook/MAPIFolder.h"
#include "outlook/NameSpace.h"
#include "outlook/NoteItem.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path& Folder()
{
    static const fs::path folder = [] {
        std::string pattern = (fs::temp_directory_path() / "notes-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        return fs::path(pattern);
    }();
    return folder;
}

void Refill(const std::uint8_t* data, std::size_t size)
{
    for (const auto& entry : fs::directory_iterator(Folder()))
        fs::remove_all(entry.path());
    std::size_t at = 0;
    while (at < size) {
        const std::size_t nameLength = std::min<std::size_t>(data[at], size - at - 1);
        ++at;
        const std::string name(reinterpret_cast<const char*>(data + at), nameLength);
        at += nameLength;
        std::size_t textLength = 0;
        if (size - at >= 2) {
            textLength = std::min<std::size_t>(data[at] + 256u * data[at + 1], size - at - 2);
            at += 2;
        }
        const std::string text(reinterpret_cast<const char*>(data + at), textLength);
        at += textLength;
        if (name.empty() || name.find_first_of(std::string("/\0", 2)) != std::string::npos ||
            name == "." || name == "..")
            continue;
        std::ofstream(Folder() / name, std::ios::binary) << text;
    }
}

void ReadEveryNote()
{
    Outlook::Application application;
    if (!application.CreateDispatch(CNotesFolderServer::ProgId))
        std::abort(); // the folder exists, so the server must start
    const Outlook::Items items = application.GetNamespace("MAPI").GetDefaultFolder(12).GetItems();
    const std::int32_t count = items.GetCount();
    for (std::int32_t i = 1; i <= count; ++i) {
        const Outlook::NoteItem note = items.Item(CVariant(i));
        note.GetMessageClass();
        note.GetSubject();
        note.GetCreationTime();
        note.GetLastModificationTime();
        note.GetBody();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Refill(data, size);
    const CProgIdRegistration registration(CNotesFolderServer::ProgId,
                                           CNotesFolderServer::Factory(Folder()));
    try {
        ReadEveryNote();
    } catch (const CAutomationException&) {
        // A note that vanished or cannot be read is refused, not a crash.
    }
    return 0;
}
