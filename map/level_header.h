#pragma once
// The level's header file (".hdr"): AI script numbers at 89-91, alliance masks at 92-95 and 256
// markers (X, Y) at 100-611. The program owns only these bytes; a save keeps every other byte.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "map/level_data.h"
#include "support/safe_file.h"

namespace corvane {

inline constexpr std::size_t kAiScriptsOffset = 89;
inline constexpr std::size_t kAllianceMasksOffset = 92;
inline constexpr std::size_t kMarkersOffset = 100;
inline constexpr std::size_t kHeaderBytesOwned = kMarkersOffset + 2 * kMarkerCount;  // 612

// Reads as far as the bytes go; whatever is missing reads as zero.
LevelHeader ReadLevelHeader(std::string_view bytes);

// `existing` with the header's fields written in; a shorter file grows to 612 bytes, zero-filled.
std::string WriteLevelHeader(std::string existing, const LevelHeader& header);

// A missing header file reads as all zeros and is not created.
std::variant<LevelHeader, FileError> LoadLevelHeader(const std::string& path);

struct HeaderSaveError {
    enum class Kind { Missing, CannotRead, CannotWrite };
    Kind kind;
    FileError file;
};

// Writes the header's fields into the file at `path`, keeping its other bytes, through a temporary
// file and a rename. A missing file is created only when `mayCreate`; otherwise Kind::Missing.
std::optional<HeaderSaveError> SaveLevelHeader(const std::string& path, const LevelHeader& header, bool mayCreate);

}  // namespace corvane
