#include "map/alliance_grid.h"

namespace corvane {

bool AllianceGrid::Set(int owner, int other, bool allied) {
    if (owner == other || boxes_[Index(owner, other)] == allied) return false;
    boxes_[Index(owner, other)] = allied;
    boxes_[Index(other, owner)] = allied;
    return true;
}

int AllianceGrid::Mask(int owner) const {
    int mask = 0;
    for (int other = 0; other < kPlayerCount; ++other)
        if (Allied(owner, other)) mask |= 1 << other;
    return mask;
}

LoadedAlliances AlliancesFromMasks(const std::array<std::uint8_t, kPlayerCount>& masks) {
    LoadedAlliances result;
    for (int owner = 0; owner < kPlayerCount; ++owner) {
        result.fields[static_cast<std::size_t>(owner)] = masks[static_cast<std::size_t>(owner)];
        for (int other = 0; other < kPlayerCount; ++other) {
            bool bit = (masks[static_cast<std::size_t>(owner)] >> other & 1) != 0;
            if (!result.grid.Set(owner, other, bit)) continue;
            for (int p = 0; p < kPlayerCount; ++p) result.fields[static_cast<std::size_t>(p)] = result.grid.Mask(p);
        }
    }
    return result;
}

}  // namespace corvane
