#pragma once
// Windows paths ("C:\Games\Pop TB\levels") as paths of the system a Wine prefix lives on.

#include <filesystem>
#include <string>

namespace corvane {

// A path with a drive letter goes through the prefix's dosdevices/<letter>: link (Z: is / when it
// has no link); each folder name then matches an existing entry without regard to letter case, and
// names that match nothing (such as a pattern "levl*.dat") stay as written. A path without a drive
// letter only gets "/" separators. A drive the prefix does not know leaves the path unchanged.
std::string NativePathInWinePrefix(const std::filesystem::path& prefix, const std::string& windowsPath);

}  // namespace corvane
