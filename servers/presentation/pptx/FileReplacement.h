// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

// Puts a new file in place of path only once it is complete: write receives
// the name of a temporary file beside path (so the rename stays within one
// file system) and fills it; then it is renamed over path. When write throws,
// the temporary file is removed and path is left as it was. Throws CSaveError
// naming path when the folder is missing or the rename fails.
void ReplaceFileWith(const std::string& path,
                     const std::function<void(const std::string& temporary)>& write);
