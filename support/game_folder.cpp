#include "support/game_folder.h"

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
    if (!registry.KeyExists(kHkeyLocalMachine, kGameRegistryKey)) return programFolder + kNativeSeparator + "*.dat";
    std::string installPath = registry.Value(kHkeyLocalMachine, kGameRegistryKey, "installpath").AsText();
    return registry.NativePath(installPath + patternInGameFolder);
}

}  // namespace corvane
