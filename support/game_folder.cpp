#include "support/game_folder.h"

#include <algorithm>

namespace corvane {
namespace {

#ifdef _WIN32
constexpr char kNativeSeparator = '\\';
#else
constexpr char kNativeSeparator = '/';
#endif

}  // namespace

std::string GameFolderDialogName(const RegistryReader& registry, const std::string& programFolder,
                                 const std::string& patternInGameFolder) {
    if (!registry.KeyExists(kHkeyLocalMachine, kGameRegistryKey)) {
        // Qt hands the program folder over with forward slashes; a Windows dialog shows it with backslashes.
        std::string folder = programFolder;
        std::replace(folder.begin(), folder.end(), '/', kNativeSeparator);
        return folder + kNativeSeparator + "*.dat";
    }
    std::string installPath = registry.Value(kHkeyLocalMachine, kGameRegistryKey, "installpath").AsText();
    return registry.NativePath(installPath + patternInGameFolder);
}

}  // namespace corvane
