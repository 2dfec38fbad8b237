#include "ui/placement.h"

#include <cmath>

namespace corvane {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

int twipsToPixels(int twips, int dotsPerInch) {
    return static_cast<int>(std::lround(twips * static_cast<double>(dotsPerInch) / kTwipsPerInch));
}

int pixelsToTwips(int pixels, int dotsPerInch) {
    if (dotsPerInch <= 0) return pixels;
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / dotsPerInch));
}

}  // namespace corvane
