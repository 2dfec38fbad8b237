#include "map/map_image.h"

#include <algorithm>

namespace corvane {

void MapImage::Fill(int x1, int y1, int x2, int y2, Rgb colour) {
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, kSize - 1);
    y2 = std::min(y2, kSize - 1);
    auto channel = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    std::uint32_t value = kOpaque | channel(colour.r) << 16 | channel(colour.g) << 8 | channel(colour.b);
    for (int y = y1; y <= y2; ++y) {
        auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * kSize;
        std::fill(row + x1, row + std::max(x1, x2 + 1), value);
    }
}

Rgb MapImage::Pixel(int x, int y) const {
    std::uint32_t v = pixels_[static_cast<std::size_t>(y * kSize + x)];
    return {static_cast<int>(v >> 16 & 0xFF), static_cast<int>(v >> 8 & 0xFF), static_cast<int>(v & 0xFF)};
}

}  // namespace corvane
