#include "map/level_file.h"

#include <fstream>

#include "map/level_header.h"
#include "support/file_utils.h"

namespace corvane {
namespace {

std::int16_t HeightAt(std::string_view bytes, std::size_t index) {
    unsigned raw = ByteOrZero(bytes, 2 * index) | (unsigned{ByteOrZero(bytes, 2 * index + 1)} << 8);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(raw));
}

void ReadThing(std::string_view bytes, std::size_t offset, LevelTerrain& terrain) {
    unsigned kind = ByteOrZero(bytes, offset);
    unsigned subKind = ByteOrZero(bytes, offset + 1);
    unsigned player = ByteOrZero(bytes, offset + 2);
    MapPoint point{static_cast<int>(ByteOrZero(bytes, offset + 4)), static_cast<int>(ByteOrZero(bytes, offset + 6))};
    if (kind == 7 && subKind == 1 && player < kPlayerCount) terrain.playerPositions[player] = point;  // last wins
    if (kind == 9 && subKind == 5) terrain.stoneHeads.push_back(point);
}

std::optional<std::uintmax_t> SizeOf(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(PathFromUtf8(path), ec)) return std::nullopt;
    std::uintmax_t size = std::filesystem::file_size(PathFromUtf8(path), ec);
    return ec ? std::nullopt : std::optional(size);
}

std::string TooShort(const std::string& what, std::uintmax_t size, std::size_t needed, const char* of) {
    return what + " is " + std::to_string(size) + " bytes long, shorter than the " + std::to_string(needed) +
           " bytes of " + of;
}

}  // namespace

std::optional<std::string> LevelLayoutProblem(const std::string& levelFile, const std::string& headerFile) {
    std::string problems;
    auto levelSize = SizeOf(levelFile);
    if (levelSize && *levelSize < kHeightMapBytes)
        problems = TooShort("the level file", *levelSize, kHeightMapBytes, "a level's height map");
    auto headerSize = SizeOf(headerFile);
    if (headerSize && *headerSize < kHeaderBytesOwned) {
        if (!problems.empty()) problems += "; ";
        problems += TooShort("the header file " + headerFile, *headerSize, kHeaderBytesOwned, "a level header");
    }
    if (problems.empty()) return std::nullopt;
    return problems;
}

LevelTerrain ReadLevelTerrain(std::string_view bytes) {
    LevelTerrain terrain;
    for (std::size_t i = 0; i < terrain.heights.size(); ++i) terrain.heights[i] = HeightAt(bytes, i);
    for (std::size_t n = 0; n < kThingCount; ++n) ReadThing(bytes, kThingsOffset + n * kThingSize, terrain);
    return terrain;
}

std::variant<LevelTerrain, FileError> LoadLevelTerrain(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromUtf8(path), ec)) return FileError{path, "is a folder, not a file"};
    // A pipe or a device would block the read or never end it.
    if (std::filesystem::exists(PathFromUtf8(path), ec) && !std::filesystem::is_regular_file(PathFromUtf8(path), ec))
        return FileError{path, "is not a regular file"};
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) return FileError{path, "cannot be opened for reading"};
    std::string bytes(kLevelBytesRead, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return FileError{path, "could not be read"};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return ReadLevelTerrain(bytes);
}

}  // namespace corvane
