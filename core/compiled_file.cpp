#include "core/compiled_file.h"

namespace corvane {
namespace {

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
}

// Bytes past the end of the file read as zero.
std::int32_t GetInt32(std::string_view bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t at = offset + i;
        const std::uint32_t byte = at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u;
        bits |= byte << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

}  // namespace

std::string BuildCompiledFile(const std::vector<CodeBytes>& codes, const std::vector<VariableEntry>& entries) {
    std::string bytes(kCompiledFileSize, '\0');
    for (std::size_t slot = 0; slot < codes.size() && slot < kMaxCodes; ++slot) {
        bytes[2 * slot] = static_cast<char>(codes[slot].low);
        bytes[2 * slot + 1] = static_cast<char>(codes[slot].high);
    }
    for (std::size_t i = 0; i < entries.size() && i < kMaxVariableEntries; ++i) {
        const std::size_t offset = kVariableTableOffset + kVariableEntrySize * i;
        PutInt32(bytes, offset, entries[i].type);
        PutInt32(bytes, offset + 4, entries[i].value);
    }
    return bytes;
}

std::vector<VariableEntry> ReadVariableEntries(std::string_view fileBytes) {
    std::vector<VariableEntry> entries(kMaxVariableEntries);
    for (std::size_t i = 0; i < kMaxVariableEntries; ++i) {
        const std::size_t offset = kVariableTableOffset + kVariableEntrySize * i;
        entries[i].type = GetInt32(fileBytes, offset);
        entries[i].value = GetInt32(fileBytes, offset + 4);
    }
    return entries;
}

}  // namespace corvane
