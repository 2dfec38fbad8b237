#include "map/marker_picking.h"

#include <algorithm>

namespace corvane {
namespace {

int UnitOfPixel(int pixel) { return std::clamp(pixel / 2, 0, kMarkerCount - 1); }

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

}  // namespace corvane
