// Any bytes as a level file and as a header file: reading never crashes, a header written back
// with the fields it read is the same bytes (a short one grows zero-filled to 612), the alliance
// boxes follow the later player's mask, and the picture paints.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "map/alliance_grid.h"
#include "map/level_file.h"
#include "map/level_header.h"
#include "map/map_painter.h"
#include "map/marker_picking.h"

namespace {

void CheckTerrain(const corvane::LevelTerrain& terrain) {
    for (const auto& p : terrain.playerPositions)
        if (!(p == corvane::MapPoint{-1, -1}) && (p.x < 0 || p.x > 255 || p.y < 0 || p.y > 255)) std::abort();
}

void CheckHeaderRoundTrip(std::string_view bytes, const corvane::LevelHeader& header) {
    std::string expected(bytes);
    if (expected.size() < corvane::kHeaderBytesOwned) expected.resize(corvane::kHeaderBytesOwned, '\0');
    if (corvane::WriteLevelHeader(std::string(bytes), header) != expected) std::abort();
}

void CheckAlliances(const corvane::LevelHeader& header) {
    corvane::LoadedAlliances loaded = corvane::AlliancesFromMasks(header.allianceMasks);
    for (int p = 0; p < corvane::kPlayerCount; ++p)
        for (int q = p + 1; q < corvane::kPlayerCount; ++q) {
            bool laterSays = (header.allianceMasks[static_cast<std::size_t>(q)] >> p & 1) != 0;
            if (loaded.grid.Allied(p, q) != laterSays || loaded.grid.Allied(q, p) != laterSays) std::abort();
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    corvane::LevelTerrain terrain = corvane::ReadLevelTerrain(bytes);
    CheckTerrain(terrain);
    corvane::LevelHeader header = corvane::ReadLevelHeader(bytes);
    CheckHeaderRoundTrip(bytes, header);
    CheckAlliances(header);

    corvane::MapImage image;
    corvane::MapPainter painter(1);
    int selected = corvane::NearestMarker(header.markers, {header.aiScripts[0], header.aiScripts[1]});
    int stoneHead = terrain.stoneHeads.empty() ? -1 : header.aiScripts[2] % static_cast<int>(terrain.stoneHeads.size());
    painter.Paint(image, corvane::MapScene{terrain, header.markers, selected, stoneHead});
    if (painter.LastPaintedCells() != corvane::kMapCells * corvane::kMapCells) std::abort();
    return 0;
}
