#pragma once
// The level file (".dat"): only read. Heights from offset 0 and 1000 object records of 101 bytes
// from offset 81987; the program uses player positions and stone heads from the records.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "map/level_data.h"
#include "support/safe_file.h"

namespace corvane {

inline constexpr std::size_t kHeightMapBytes = 2 * kMapCells * kMapCells;  // 32768
inline constexpr std::size_t kThingsOffset = 81987;
inline constexpr std::size_t kThingSize = 101;
inline constexpr std::size_t kThingCount = 1000;
inline constexpr std::size_t kLevelBytesRead = kThingsOffset + kThingSize * kThingCount;

// Reads as far as the bytes go; whatever is missing reads as zero.
LevelTerrain ReadLevelTerrain(std::string_view bytes);

// The first kLevelBytesRead bytes of the file at `path` (fewer when it is shorter).
std::variant<LevelTerrain, FileError> LoadLevelTerrain(const std::string& path);

// Why the pair of files is unlikely to be a level (a compiled script chosen by mistake, a cut-off
// copy): the level file is shorter than its height map, or the header file exists and is shorter
// than the header's 612 bytes. Nothing when both are long enough or cannot be measured.
std::optional<std::string> LevelLayoutProblem(const std::string& levelFile, const std::string& headerFile);

}  // namespace corvane
