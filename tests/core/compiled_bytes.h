#pragma once
// Reading and building compiled-file bytes in tests, independently of the engine's own writer.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

namespace corvane::testing {

inline std::uint32_t LittleEndianAt(const std::string& file, std::size_t offset, std::size_t size) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < size; ++i)
        bits |= std::uint32_t{static_cast<unsigned char>(file.at(offset + i))} << (8 * i);
    return bits;
}
inline std::uint16_t CodeAt(const std::string& file, std::size_t slot) {
    return static_cast<std::uint16_t>(LittleEndianAt(file, 2 * slot, 2));
}
// (type, value) of entry i.
inline std::pair<std::int32_t, std::int32_t> EntryAt(const std::string& file, std::size_t i) {
    return {static_cast<std::int32_t>(LittleEndianAt(file, 8192 + 8 * i, 4)),
            static_cast<std::int32_t>(LittleEndianAt(file, 8196 + 8 * i, 4))};
}

// A 12552-byte file with these codes from slot 0 and these (type, value) entries.
inline std::string FileWith(std::initializer_list<std::uint16_t> codes,
                            std::initializer_list<std::pair<std::int32_t, std::int32_t>> entries = {}) {
    std::string file(12552, '\0');
    const auto put = [&file](std::size_t offset, std::uint32_t value, std::size_t size) {
        for (std::size_t i = 0; i < size; ++i) file[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    std::size_t at = 0;
    for (std::uint16_t code : codes) put(2 * at++, code, 2);
    for (at = 8192; const auto& [type, value] : entries) {
        put(at, static_cast<std::uint32_t>(type), 4);
        put((at += 8) - 4, static_cast<std::uint32_t>(value), 4);
    }
    return file;
}

}  // namespace corvane::testing
