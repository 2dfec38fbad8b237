#pragma once
// A level with hills, a lake and a sea, markers along a path, four players and stone heads: for the
// window tests and the screenshot.

#include "tests/map/level_bytes.h"

#include <algorithm>
#include <cmath>

namespace corvane::testing {

inline LevelBytes SampleLevel() {
    LevelBytes level;
    for (int y = 0; y < kMapCells; ++y) {
        for (int x = 0; x < kMapCells; ++x) {
            double hills = 260 * std::sin(x / 11.0) * std::cos(y / 13.0) + 120 * std::sin((x + 2 * y) / 17.0);
            double coast = x < 14 ? 0 : 1;  // a strip of sea along the left edge
            int h = static_cast<int>(std::max(0.0, hills + 200) * coast);
            level.height(x, y, static_cast<std::int16_t>(h));
        }
    }
    level.player(0, 0, 60, 60).player(1, 1, 200, 60).player(2, 2, 60, 200).player(3, 3, 200, 200);
    level.stoneHead(4, 128, 128).stoneHead(5, 150, 40).stoneHead(6, 40, 230);
    return level;
}

// Markers 0 to 63 scattered over the land, the rest unused at (0, 0) as in the game's own levels;
// marker 5 at (120, 36) as the list example says.
inline std::string SampleHeader() {
    std::string bytes = PatternHeader(700);
    unsigned seed = 12345;
    for (int n = 0; n < kMarkerCount; ++n) {
        int x = 0, y = 0;
        if (n < 64) {
            seed = seed * 1103515245u + 12345u;
            x = 32 + static_cast<int>((seed >> 8) % 208);
            seed = seed * 1103515245u + 12345u;
            y = 16 + static_cast<int>((seed >> 8) % 224);
        }
        bytes[static_cast<std::size_t>(100 + 2 * n)] = static_cast<char>(x);
        bytes[static_cast<std::size_t>(101 + 2 * n)] = static_cast<char>(y);
    }
    bytes[110] = static_cast<char>(120);
    bytes[111] = static_cast<char>(36);
    const unsigned char owned[] = {11, 12, 13, 0, 0, 0, 0};  // AI scripts, then masks: no alliances
    for (std::size_t i = 0; i < 7; ++i) bytes[89 + i] = static_cast<char>(owned[i]);
    return bytes;
}

}  // namespace corvane::testing
