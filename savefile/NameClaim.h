// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Claims a free file name for a save that will fill it later, so that two
// saves looking for a free name at once never both take the same one: the
// claim makes an empty file there in one step that fails when anything
// stands at the name already. Until the claim ends, Ctrl-C, SIGTERM and
// SIGHUP remove the empty file again.
namespace NameClaim {

enum class Result
{
    Claimed,   // the empty file is ours
    Taken,     // something stands there: seek another name
    NotClaimed // the folder refused (missing, not writable, name too long):
               // the save itself will meet the same refusal and report it
};

Result Claim(const std::string& path);

// The save into a claimed name is over. When it did not save, the empty file
// goes, unless a file that another save put there meanwhile replaced it.
void End(const std::string& path, bool saved);

} // namespace NameClaim
