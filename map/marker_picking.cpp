#include "map/marker_picking.h"

#include <algorithm>
#include <cstdlib>

namespace corvane {
namespace {

int UnitOfPixel(int pixel) { return std::clamp(pixel / 2, 0, kMarkerCount - 1); }

// How far a widget pixel lies outside the span [first, end), in widget pixels.
int DistanceOutside(int pixel, int first, int end) { return std::max({0, first - pixel, pixel - (end - 1)}); }

}  // namespace

MapPoint MapPositionOfPixel(int pixelX, int pixelY) { return {UnitOfPixel(pixelX), UnitOfPixel(pixelY)}; }

int NearestMarker(const std::array<Marker, kMarkerCount>& markers, MapPoint at) {
    // Squared distances order markers exactly as distances do, without rounding.
    int nearest = 0;
    long best = -1;
    for (int n = 0; n < kMarkerCount; ++n) {
        long dx = at.x - markers[static_cast<std::size_t>(n)].x;
        long dy = at.y - markers[static_cast<std::size_t>(n)].y;
        long distance = dx * dx + dy * dy;
        if (best < 0 || distance < best) {
            best = distance;
            nearest = n;
        }
    }
    return nearest;
}

int MarkerAt(const std::array<Marker, kMarkerCount>& markers, MapPoint at, int* sharing) {
    int found = -1;
    int count = 0;
    for (int n = 0; n < kMarkerCount; ++n) {
        const Marker& m = markers[static_cast<std::size_t>(n)];
        if (m.x != at.x || m.y != at.y) continue;
        if (found < 0) found = n;
        ++count;
    }
    if (sharing != nullptr) *sharing = std::max(count - 1, 0);
    return found;
}

bool GrabsMarker(Marker marker, int widgetX, int widgetY, const MapZoom& zoom, int reach) {
    // The marker covers 2 x 2 picture pixels.
    return DistanceOutside(widgetX, zoom.WidgetOf(2 * marker.x), zoom.WidgetOf(2 * marker.x + 2)) <= reach &&
           DistanceOutside(widgetY, zoom.WidgetOf(2 * marker.y), zoom.WidgetOf(2 * marker.y + 2)) <= reach;
}

std::string ToolTipAt(const LevelTerrain& terrain, const std::array<Marker, kMarkerCount>& markers, MapPoint at) {
    auto place = [](const MapPoint& point) {
        return " (" + std::to_string(point.x) + ", " + std::to_string(point.y) + ")";
    };
    // What lies on top in the picture answers first: stone heads, then players, then markers. The
    // two kinds of point cover one map unit each way around them. A player the level places nowhere
    // is kept at (-1, -1) and must not answer near the corner.
    auto near = [&at](const MapPoint& point) { return std::abs(point.x - at.x) <= 1 && std::abs(point.y - at.y) <= 1; };
    for (std::size_t i = 0; i < terrain.stoneHeads.size(); ++i)
        if (near(terrain.stoneHeads[i])) return "Stone head " + std::to_string(i + 1) + place(terrain.stoneHeads[i]);
    for (int p = 0; p < kPlayerCount; ++p) {
        const MapPoint& player = terrain.playerPositions[static_cast<std::size_t>(p)];
        if (player.x >= 0 && near(player)) return std::string(kPlayerNames[p]) + "'s position" + place(player);
    }
    int n = MarkerAt(markers, at);
    return n < 0 ? std::string() : "Marker " + std::to_string(n) + place(at);
}

}  // namespace corvane
