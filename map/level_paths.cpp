#include "map/level_paths.h"

#include "support/file_utils.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace corvane {
namespace {

// The game's files come from Windows, where "LEVL2.HDR" and "levl2.hdr" are the same file.
std::string ExistingInAnyCase(const std::string& path) {
    fs::path wanted = PathFromUtf8(path);
    std::error_code ec;
    if (fs::exists(wanted, ec)) return path;
    fs::path folder = wanted.has_parent_path() ? wanted.parent_path() : fs::path(".");
    std::string name = ToLowerAscii(Utf8FromPath(wanted.filename()));
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (ToLowerAscii(Utf8FromPath(it->path().filename())) == name)
            return Utf8FromPath(wanted.parent_path() / it->path().filename());
    }
    return path;
}

}  // namespace

LevelPaths LevelPathsFor(const std::string& chosenFile) {
    fs::path chosen = PathFromUtf8(chosenFile);
    std::string stem = chosen.has_extension() ? Utf8FromPath(fs::path(chosen).replace_extension()) : chosenFile;
    return {stem, chosenFile, ExistingInAnyCase(stem + ".hdr")};
}

}  // namespace corvane
