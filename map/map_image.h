#pragma once
// The 512 x 512 picture of a level: RGB pixels that keep their values between paints.

#include <cstdint>
#include <vector>

namespace corvane {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

class MapImage {
public:
    static constexpr int kSize = 512;

    MapImage() : pixels_(kSize * kSize, kOpaque) {}

    // Fills the rectangle with corners (x1, y1) and (x2, y2), both included; parts outside the
    // picture are left out.
    void Fill(int x1, int y1, int x2, int y2, Rgb colour);
    Rgb Pixel(int x, int y) const;
    // Pixels row after row as 0xFFRRGGBB (the layout of a 32-bit RGB image).
    const std::uint32_t* Data() const { return pixels_.data(); }

private:
    static constexpr std::uint32_t kOpaque = 0xFF000000u;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace corvane
