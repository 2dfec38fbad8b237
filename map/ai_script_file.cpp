#include "map/ai_script_file.h"

#include <cstdio>
#include <filesystem>

#include "support/file_utils.h"
#include "support/wine_path.h"

namespace fs = std::filesystem;

namespace corvane {

std::string AiScriptFileName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "cpscr%03d.dat", number);
    return name;
}

std::string LevelFolder(const std::string& levelFile) {
    fs::path folder = PathFromUtf8(levelFile).parent_path();
    return Utf8FromPath(folder.empty() ? fs::path(".") : folder);
}

std::string NewAiScriptPath(const std::string& levelFile, int number) {
    return Utf8FromPath(PathFromUtf8(LevelFolder(levelFile)) / AiScriptFileName(number));
}

std::optional<std::string> FindAiScriptFile(const std::string& levelFile, int number) {
    fs::path folder = PathFromUtf8(LevelFolder(levelFile));
    fs::path file = folder / PathFromUtf8(EntryNameIgnoringCase(folder, AiScriptFileName(number)));
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) return std::nullopt;
    return Utf8FromPath(file);
}

}  // namespace corvane
