#pragma once
// Windows paths ("C:\Games\Pop TB\levels") as paths of the system a Wine prefix lives on.

#include <filesystem>
#include <string>

namespace corvane {

// A path with a drive letter goes through the prefix's dosdevices/<letter>: link (Z: is / when it
// has no link); each folder name then matches an existing entry without regard to letter case, and
// names that match nothing (such as a pattern "levl*.dat") stay as written. A path without a drive
// letter only gets "/" separators. A drive the prefix does not know leaves the path unchanged.
// The name of the entry of `folder` that equals `name` without regard to letter case (the game's
// files come from Windows, where "LEVL2.HDR" and "levl2.hdr" are one file); `name` itself when
// it exists as written or nothing matches.
std::string EntryNameIgnoringCase(const std::filesystem::path& folder, const std::string& name);

std::string NativePathInWinePrefix(const std::filesystem::path& prefix, const std::string& windowsPath);

}  // namespace corvane
