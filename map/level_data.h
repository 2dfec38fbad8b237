#pragma once
// What the program knows of a level: the terrain and objects of the level file (".dat") and the
// owned fields of its header file (".hdr").

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr int kMapCells = 128;  // terrain cells per side
inline constexpr int kMarkerCount = 256;
inline constexpr int kPlayerCount = 4;    // 0 Blue, 1 Red, 2 Yellow, 3 Green
inline constexpr int kAiPlayerCount = 3;  // Red, Yellow, Green
inline constexpr const char* kPlayerNames[kPlayerCount] = {"Blue", "Red", "Yellow", "Green"};
inline constexpr int kFirstAiPlayer = 1;  // Blue is the human player

// A point in map units (0 to 255, two per terrain cell); -1 where a level has no such point.
// The byte at `offset`, or 0 past the end: the game's files are read as far as they go.
inline std::uint8_t ByteOrZero(std::string_view bytes, std::size_t offset) {
    return offset < bytes.size() ? static_cast<std::uint8_t>(bytes[offset]) : 0;
}

struct MapPoint {
    int x = -1;
    int y = -1;
    friend bool operator==(const MapPoint&, const MapPoint&) = default;
};

struct Marker {
    std::uint8_t x = 0;
    std::uint8_t y = 0;
    friend bool operator==(const Marker&, const Marker&) = default;
};

struct LevelTerrain {
    // Heights by cell, row after row: heights[y * kMapCells + x].
    std::vector<std::int16_t> heights = std::vector<std::int16_t>(kMapCells * kMapCells, 0);
    std::array<MapPoint, kPlayerCount> playerPositions{};
    std::vector<MapPoint> stoneHeads;  // in file order

    std::int16_t Height(int x, int y) const { return heights[static_cast<std::size_t>(y * kMapCells + x)]; }
};

// The header bytes the program reads and writes; every other byte stays as it is in the file.
struct LevelHeader {
    std::array<std::uint8_t, kAiPlayerCount> aiScripts{};    // Red, Yellow, Green
    std::array<std::uint8_t, kPlayerCount> allianceMasks{};  // Blue, Red, Yellow, Green
    std::array<Marker, kMarkerCount> markers{};
    friend bool operator==(const LevelHeader&, const LevelHeader&) = default;
};

}  // namespace corvane
