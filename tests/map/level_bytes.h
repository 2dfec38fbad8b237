#pragma once
// Level and header files built byte by byte for the map tests.

#include <cstdint>
#include <string>

#include "map/level_file.h"
#include "map/level_header.h"

namespace corvane::testing {

struct LevelBytes {
    std::string bytes = std::string(kLevelBytesRead + 37, '\0');  // the game's files go on past the records

    LevelBytes& height(int x, int y, std::int16_t h) {
        auto at = static_cast<std::size_t>(2 * (y * kMapCells + x));
        bytes[at] = static_cast<char>(static_cast<std::uint16_t>(h) & 0xFF);
        bytes[at + 1] = static_cast<char>(static_cast<std::uint16_t>(h) >> 8);
        return *this;
    }
    LevelBytes& thing(std::size_t n, int kind, int subKind, int player, int x, int y) {
        const int values[] = {kind, subKind, player, 0x55, x, 0x66, y};
        for (std::size_t i = 0; i < 7; ++i) bytes[kThingsOffset + n * kThingSize + i] = static_cast<char>(values[i]);
        return *this;
    }
    LevelBytes& player(std::size_t n, int player, int x, int y) { return thing(n, 7, 1, player, x, y); }
    LevelBytes& stoneHead(std::size_t n, int x, int y) { return thing(n, 9, 5, 0, x, y); }
};

// A header of `size` bytes, each byte a pattern of its offset, so that any byte moved or lost shows.
inline std::string PatternHeader(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
    return bytes;
}

}  // namespace corvane::testing
