#include "map/level_header.h"

#include "support/file_utils.h"

namespace corvane {
namespace {

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(PathFromUtf8(path), ec).type() != std::filesystem::file_type::not_found;
}

// The replacing rename would go through a read-only file; the user set it so to keep it.
bool IsReadOnly(const std::string& path) {
    std::error_code ec;
    auto perms = std::filesystem::status(PathFromUtf8(path), ec).permissions();
    return !ec && (perms & std::filesystem::perms::owner_write) == std::filesystem::perms::none;
}

// The file's bytes; nothing for a missing file; an error for anything that exists but cannot be read.
std::variant<std::optional<std::string>, FileError> ReadIfExists(const std::string& path) {
    if (!Exists(path)) return std::optional<std::string>();
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromUtf8(path), ec)) return FileError{path, "is a folder, not a file"};
    // A pipe or a device would block the read or never end it.
    if (!std::filesystem::is_regular_file(PathFromUtf8(path), ec)) return FileError{path, "is not a regular file"};
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(path, bytes, &error)) return FileError{path, error.empty() ? "cannot be read" : error};
    return std::optional<std::string>(std::move(bytes));
}

}  // namespace

LevelHeader ReadLevelHeader(std::string_view bytes) {
    LevelHeader header;
    for (std::size_t i = 0; i < header.aiScripts.size(); ++i)
        header.aiScripts[i] = ByteOrZero(bytes, kAiScriptsOffset + i);
    for (std::size_t i = 0; i < header.allianceMasks.size(); ++i)
        header.allianceMasks[i] = ByteOrZero(bytes, kAllianceMasksOffset + i);
    for (std::size_t n = 0; n < header.markers.size(); ++n)
        header.markers[n] = {ByteOrZero(bytes, kMarkersOffset + 2 * n), ByteOrZero(bytes, kMarkersOffset + 2 * n + 1)};
    return header;
}

std::string WriteLevelHeader(std::string existing, const LevelHeader& header) {
    if (existing.size() < kHeaderBytesOwned) existing.resize(kHeaderBytesOwned, '\0');
    auto put = [&existing](std::size_t offset, std::uint8_t value) { existing[offset] = static_cast<char>(value); };
    for (std::size_t i = 0; i < header.aiScripts.size(); ++i) put(kAiScriptsOffset + i, header.aiScripts[i]);
    for (std::size_t i = 0; i < header.allianceMasks.size(); ++i)
        put(kAllianceMasksOffset + i, header.allianceMasks[i]);
    for (std::size_t n = 0; n < header.markers.size(); ++n) {
        put(kMarkersOffset + 2 * n, header.markers[n].x);
        put(kMarkersOffset + 2 * n + 1, header.markers[n].y);
    }
    return existing;
}

std::variant<LevelHeader, FileError> LoadLevelHeader(const std::string& path) {
    auto read = ReadIfExists(path);
    if (auto* error = std::get_if<FileError>(&read)) return *error;
    const auto& bytes = std::get<std::optional<std::string>>(read);
    return ReadLevelHeader(bytes ? *bytes : std::string());
}

std::optional<HeaderSaveError> SaveLevelHeader(const std::string& path, const LevelHeader& header, bool mayCreate) {
    auto read = ReadIfExists(path);
    if (auto* error = std::get_if<FileError>(&read)) return HeaderSaveError{HeaderSaveError::Kind::CannotRead, *error};
    const auto& bytes = std::get<std::optional<std::string>>(read);
    if (!bytes && !mayCreate) return HeaderSaveError{HeaderSaveError::Kind::Missing, {path, "does not exist"}};
    if (bytes && IsReadOnly(path)) return HeaderSaveError{HeaderSaveError::Kind::CannotWrite, {path, "is read-only"}};
    FileError writeError;
    if (!WriteFileAtomically(path, WriteLevelHeader(bytes.value_or(std::string()), header), &writeError))
        return HeaderSaveError{HeaderSaveError::Kind::CannotWrite, writeError};
    return std::nullopt;
}

}  // namespace corvane
