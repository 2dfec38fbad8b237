#pragma once
// From a pointer position on the picture to the map, and from a map position to a marker.

#include <string>

#include "map/level_data.h"
#include "map/map_zoom.h"

namespace corvane {

// Two pixels per map unit; negative pixels give 0, pixels past the picture the last unit (255).
MapPoint MapPositionOfPixel(int pixelX, int pixelY);

// The marker nearest to `at`; among equally near markers the lowest number.
int NearestMarker(const std::array<Marker, kMarkerCount>& markers, MapPoint at);

// The lowest-numbered marker exactly at `at`, or -1; with `sharing`, how many others stand there.
int MarkerAt(const std::array<Marker, kMarkerCount>& markers, MapPoint at, int* sharing = nullptr);

// Whether a press at a widget pixel showing the picture at `zoom` lands on the marker's square or
// within `reach` widget pixels of it, so that a drag may take it along.
bool GrabsMarker(Marker marker, int widgetX, int widgetY, const MapZoom& zoom, int reach = 4);

// The picture's tool tip at `at`: the stone head, player position or marker there, "" for none.
std::string ToolTipAt(const LevelTerrain& terrain, const std::array<Marker, kMarkerCount>& markers, MapPoint at);

}  // namespace corvane
