#pragma once
// From a pointer position on the picture to the map, and from a map position to a marker.

#include "map/level_data.h"

namespace corvane {

// Two pixels per map unit; negative pixels give 0, pixels past the picture the last unit (255).
MapPoint MapPositionOfPixel(int pixelX, int pixelY);

// The marker nearest to `at`; among equally near markers the lowest number.
int NearestMarker(const std::array<Marker, kMarkerCount>& markers, MapPoint at);

}  // namespace corvane
