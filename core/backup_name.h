#pragma once
// Where the compiler keeps a copy of the script file it is about to replace.

#include <string>
#include <string_view>

namespace corvane {

// The script's path with a final ".dat" (any letter case) replaced by ".bak"; a path without it
// gets ".bak" appended. Folder names are never changed.
std::string BackupFileName(std::string_view scriptPath);

}  // namespace corvane
