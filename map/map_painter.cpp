#include "map/map_painter.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr Rgb kMarkerColour{128, 128, 128};
constexpr Rgb kSelectedMarkerColour{255, 128, 128};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kStoneHeadColour{64, 255, 255};
constexpr Rgb kPlayerColours[kPlayerCount] = {{0, 0, 255}, {255, 0, 0}, {255, 255, 0}, {0, 255, 0}};

// A point's 2 x 2 square, and the 4 x 4 frame around it.
void FillPoint(MapImage& image, int x, int y, Rgb colour) { image.Fill(2 * x, 2 * y, 2 * x + 1, 2 * y + 1, colour); }
void FillFrame(MapImage& image, int x, int y, Rgb colour) {
    image.Fill(2 * x - 1, 2 * y - 1, 2 * x + 2, 2 * y + 2, colour);
}

}  // namespace

MapPainter::MapPainter(std::uint32_t seed) : drawnLevel_(kMapCells * kMapCells, kMustPaint), random_(seed) {}

void MapPainter::InvalidateAll() { std::fill(drawnLevel_.begin(), drawnLevel_.end(), kMustPaint); }

Rgb MapPainter::TerrainColour(int level) {
    if (level == 0) return {0, 0, 64 + static_cast<int>(random_() % 32)};  // water shimmers on every repaint
    int redBlue = std::max(48 - level, 0);
    return {redBlue, std::clamp(level, 32, 255), redBlue};
}

void MapPainter::PaintTerrain(MapImage& image, const LevelTerrain& terrain) {
    for (int x = 0; x < kMapCells; ++x) {
        for (int y = 0; y < kMapCells; ++y) {
            int level = terrain.Height(x, y) / 3;
            if (Drawn(x, y) == level) continue;
            Drawn(x, y) = level;
            image.Fill(4 * x, 4 * y, 4 * x + 3, 4 * y + 3, TerrainColour(level));
            ++paintedCells_;
        }
    }
}

void MapPainter::PaintMarkers(MapImage& image, const MapScene& scene) {
    for (int n = 0; n < kMarkerCount; ++n) {
        const Marker& m = scene.markers[static_cast<std::size_t>(n)];
        FillPoint(image, m.x, m.y, n == scene.selectedMarker ? kSelectedMarkerColour : kMarkerColour);
        Drawn(m.x / 2, m.y / 2) = kMustPaint;  // the next paint puts terrain back, erasing a marker that moved
    }
}

void MapPainter::Paint(MapImage& image, const MapScene& scene) {
    paintedCells_ = 0;
    PaintTerrain(image, scene.terrain);
    PaintMarkers(image, scene);
    for (int p = 0; p < kPlayerCount; ++p) {
        const MapPoint& at = scene.terrain.playerPositions[static_cast<std::size_t>(p)];
        FillFrame(image, at.x, at.y, kBlack);
        FillPoint(image, at.x, at.y, kPlayerColours[p]);
    }
    const auto& heads = scene.terrain.stoneHeads;
    for (std::size_t i = 0; i < heads.size(); ++i) {
        FillFrame(image, heads[i].x, heads[i].y, static_cast<int>(i) == scene.selectedStoneHead ? kWhite : kBlack);
        FillPoint(image, heads[i].x, heads[i].y, kStoneHeadColour);
    }
}

}  // namespace corvane
