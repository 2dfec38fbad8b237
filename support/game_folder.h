#pragma once
// The initial file name of the open dialogs for the game's own files (levels, language files).

#include <string>

#include "support/registry.h"

namespace corvane {

// The game's key below HKEY_LOCAL_MACHINE.
inline constexpr const char* kGameRegistryKey = "software\\bullfrog productions ltd\\populous: the beginning";

// When the game's key exists: its "installpath" entry followed by `patternInGameFolder` (for example
// "\\levels\\levl*.dat" or "\\language\\*.dat"), as a path of this system. The entry is read without a
// further check, so a missing entry leaves just the pattern. When the key is missing: `programFolder`
// followed by the separator and "*.dat".
std::string GameFolderDialogName(const RegistryReader& registry, const std::string& programFolder,
                                 const std::string& patternInGameFolder);

}  // namespace corvane
