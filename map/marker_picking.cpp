#include "map/marker_picking.h"

#include <algorithm>

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

}  // namespace corvane
