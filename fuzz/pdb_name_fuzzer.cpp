// SPDX-License-Identifier: MIT
// The Palm database's name from any file name: whatever the bytes, the name
// fits the header's field, keeps its prefix, holds no terminator inside,
// and names that do not fit end in ".gif".
#include "DatabaseName.h"
#include "PalmDatabaseFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const std::string name = MakeDatabaseName(path);
    const std::string characters = ToHandheldCharacters(path);

    const bool fits = name.size() <= PalmDb::kMaxNameLength;
    const bool prefixed = name.starts_with("(ram) ");
    const bool terminated = name.find('\0') == std::string::npos;
    const bool fewerCharacters = characters.size() <= path.size();
    const std::size_t slash = path.rfind('/');
    const std::string whole =
        "(ram) " + ToHandheldCharacters(slash == path.npos ? path : path.substr(slash + 1));
    const bool cutAsAnImage = name == whole || name.ends_with(".gif");
    if (!fits || !prefixed || !terminated || !fewerCharacters || !cutAsAnImage)
        std::abort();
    return 0;
}
