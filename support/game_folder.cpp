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
    if (!registry.keyExists(kHkeyLocalMachine, kGameRegistryKey)) return programFolder + kNativeSeparator + "*.dat";
    std::string installPath = registry.value(kHkeyLocalMachine, kGameRegistryKey, "installpath").asText();
    return registry.nativePath(installPath + patternInGameFolder);
}

}  // namespace corvane
