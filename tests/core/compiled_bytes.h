#pragma once
// Reading and building compiled-file bytes in tests, independently of the engine's own writer.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace corvane::testing {

inline std::uint16_t CodeAt(const std::string& file, std::size_t slot) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(file.at(2 * slot)) |
                                      (static_cast<unsigned char>(file.at(2 * slot + 1)) << 8));
}

inline std::int32_t Int32At(const std::string& file, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(file.at(offset + i))) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

// (type, value) of entry i.
inline std::pair<std::int32_t, std::int32_t> EntryAt(const std::string& file, std::size_t i) {
    return {Int32At(file, 8192 + 8 * i), Int32At(file, 8192 + 8 * i + 4)};
}

// A 12552-byte file with these codes from slot 0 and these (type, value) entries.
inline std::string FileWith(std::initializer_list<std::uint16_t> codes,
                            std::initializer_list<std::pair<std::int32_t, std::int32_t>> entries = {}) {
    std::string file(12552, '\0');
    std::size_t at = 0;
    for (std::uint16_t code : codes) {
        file[at++] = static_cast<char>(code & 0xFF);
        file[at++] = static_cast<char>(code >> 8);
    }
    std::size_t offset = 8192;
    for (const auto& [type, value] : entries) {
        for (std::int32_t field : {type, value}) {
            for (std::size_t i = 0; i < 4; ++i) file[offset++] = static_cast<char>((static_cast<std::uint32_t>(field) >> (8 * i)) & 0xFF);
        }
    }
    return file;
}

}  // namespace corvane::testing
