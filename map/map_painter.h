#pragma once
// Paints a level into its picture in four passes: terrain, markers, player positions, stone heads.
// Terrain cells are cached by the level last drawn in them, so a paint after one click fills only
// the cells that changed or that a marker covered in the paint before.

#include <climits>
#include <cstdint>
#include <random>
#include <vector>

#include "map/level_data.h"
#include "map/map_image.h"

namespace corvane {

struct MapScene {
    const LevelTerrain& terrain;
    const std::array<Marker, kMarkerCount>& markers;
    int selectedMarker = -1;     // -1: none
    int selectedStoneHead = -1;  // position in the stone-head list, -1: none
};

class MapPainter {
public:
    explicit MapPainter(std::uint32_t seed = std::random_device{}());

    // The next paint fills every terrain cell (after a level is loaded).
    void InvalidateAll();
    void Paint(MapImage& image, const MapScene& scene);
    // Terrain cells the last paint filled.
    int LastPaintedCells() const { return paintedCells_; }

private:
    // Per cell the level last painted, or kMustPaint. Levels run from -10922 to 10922, so the mark
    // cannot be taken for a level (-1, the level of heights -3 to -5, would be).
    static constexpr std::int32_t kMustPaint = INT32_MIN;
    std::vector<std::int32_t> drawnLevel_;
    std::mt19937 random_;
    int paintedCells_ = 0;

    std::int32_t& Drawn(int x, int y) { return drawnLevel_[static_cast<std::size_t>(y * kMapCells + x)]; }
    Rgb TerrainColour(int level);
    void PaintTerrain(MapImage& image, const LevelTerrain& terrain);
    void PaintMarkers(MapImage& image, const MapScene& scene);
};

}  // namespace corvane
