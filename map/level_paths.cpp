#include "map/level_paths.h"

#include <filesystem>

#include "support/file_utils.h"
#include "support/wine_path.h"

namespace fs = std::filesystem;

namespace corvane {

LevelPaths LevelPathsFor(const std::string& chosenFile) {
    fs::path chosen = PathFromUtf8(chosenFile);
    std::string stem = chosen.has_extension() ? Utf8FromPath(fs::path(chosen).replace_extension()) : chosenFile;
    fs::path header = PathFromUtf8(stem + ".hdr");
    fs::path folder = header.has_parent_path() ? header.parent_path() : fs::path(".");
    std::string name = EntryNameIgnoringCase(folder, Utf8FromPath(header.filename()));
    return {stem, chosenFile, Utf8FromPath(header.parent_path() / PathFromUtf8(name))};
}

}  // namespace corvane
