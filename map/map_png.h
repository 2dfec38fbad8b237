#pragma once
// The map's picture as a PNG file: 8-bit RGB, no interlace, the pixel rows stored in uncompressed
// deflate blocks, so that no compression library is needed on any platform.

#include <cstdint>
#include <string>

#include "map/map_image.h"

namespace corvane {

// A PNG file of `width` x `height` pixels given row after row as 0x..RRGGBB.
std::string EncodePng(int width, int height, const std::uint32_t* pixels);

std::string EncodeMapPng(const MapImage& image);

}  // namespace corvane
