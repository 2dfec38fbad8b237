#pragma once
// The 4 x 4 grid of alliance boxes: row = the mask's owner, column = the other player, both in
// the order Blue, Red, Yellow, Green. Each player is allied with itself; a pair is always set on
// both sides.

#include <array>

#include "map/level_data.h"

namespace corvane {

class AllianceGrid {
public:
    bool Allied(int owner, int other) const { return owner == other || boxes_[Index(owner, other)]; }
    // Sets the box and its partner (owner and other swapped). False when nothing changed.
    bool Set(int owner, int other, bool allied);
    // Bit 0 Blue, 1 Red, 2 Yellow, 3 Green; the owner's own bit always set.
    int Mask(int owner) const;
    friend bool operator==(const AllianceGrid&, const AllianceGrid&) = default;

private:
    std::array<bool, kPlayerCount * kPlayerCount> boxes_{};
    static std::size_t Index(int owner, int other) { return static_cast<std::size_t>(owner * kPlayerCount + other); }
};

// What a level's header masks show when opened: the boxes set row after row from each owner's
// mask, so the later player's mask decides each pair; a mask field keeps the byte as read unless a
// box changed after it was filled, in which case it shows the mask the boxes give.
struct LoadedAlliances {
    AllianceGrid grid;
    std::array<int, kPlayerCount> fields{};
};

LoadedAlliances AlliancesFromMasks(const std::array<std::uint8_t, kPlayerCount>& masks);

}  // namespace corvane
