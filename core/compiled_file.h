#pragma once
// Layout of a compiled script file: always 12552 bytes, little-endian.
//   0     8192 bytes  code area: 4096 16-bit codes, zero after the last one
//   8192  4096 bytes  variable table: 512 entries of (int32 type, int32 value)
//   12288  264 bytes  tail, always zero

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/variable_entry.h"

namespace corvane {

inline constexpr std::size_t kCompiledFileSize = 12552;
// A compiled script is 12552 bytes; a file many times that size is no script, and turning it into
// text would take a great deal of memory.
inline constexpr std::size_t kMaxCompiledFileBytes = 1u << 20;
inline constexpr std::size_t kCodeAreaSize = 8192;
inline constexpr std::size_t kMaxCodes = kCodeAreaSize / 2;  // 4096
inline constexpr std::size_t kVariableTableOffset = 8192;
inline constexpr std::size_t kVariableEntrySize = 8;
inline constexpr std::size_t kMaxVariableEntries = 512;
// Only entries 0 to 255 can be named by a code whose high byte is 0.
inline constexpr std::size_t kReferableVariableEntries = 256;

// A code as its two bytes in file order.
struct CodeBytes {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    std::uint16_t number() const { return static_cast<std::uint16_t>(low | (high << 8)); }
    friend bool operator==(const CodeBytes&, const CodeBytes&) = default;
};

// The whole file: the codes from slot 0 on, the entries from entry 0 on, zeros elsewhere.
// Callers keep codes.size() <= kMaxCodes and entries.size() <= kMaxVariableEntries.
std::string BuildCompiledFile(const std::vector<CodeBytes>& codes, const std::vector<VariableEntry>& entries);

// The 512 entries (type and value; no names) of a file's bytes. Bytes past the end of a short
// file read as zero.
std::vector<VariableEntry> ReadVariableEntries(std::string_view fileBytes);

}  // namespace corvane
