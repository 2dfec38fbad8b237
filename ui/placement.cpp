#include "ui/placement.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace corvane {

namespace {
constexpr double kTwipsPerInch = 1440.0;
// How much of a window stays on the area at least, so that it can be grabbed and moved back.
constexpr int kVisibleMargin = 40;
// Without an area to go by, no window is larger than this.
constexpr int kLargestSide = 16384;

// Far beyond any screen, and far from overflowing an int either way.
constexpr long long kFarthest = kLargestSide * 64LL;
int clampedInt(long long value) { return static_cast<int>(std::clamp(value, -kFarthest, kFarthest)); }
}  // namespace

int twipsToPixels(int twips, int dotsPerInch) {
    return clampedInt(std::llround(twips * static_cast<double>(dotsPerInch) / kTwipsPerInch));
}

int pixelsToTwips(int pixels, int dotsPerInch) {
    if (dotsPerInch <= 0) return pixels;
    return clampedInt(std::llround(pixels * kTwipsPerInch / dotsPerInch));
}

QRect reachablePlacement(const QRect& wanted, const QSize& area, const QSize& minimum) {
    const int maxWidth = area.width() > 0 ? std::max(area.width(), minimum.width()) : kLargestSide;
    const int maxHeight = area.height() > 0 ? std::max(area.height(), minimum.height()) : kLargestSide;
    const int width = std::clamp(wanted.width(), minimum.width(), maxWidth);
    const int height = std::clamp(wanted.height(), minimum.height(), maxHeight);
    int left = wanted.x();
    int top = wanted.y();
    if (area.width() > 0) left = std::clamp(left, kVisibleMargin - width, std::max(0, area.width() - kVisibleMargin));
    if (area.height() > 0) top = std::clamp(top, 0, std::max(0, area.height() - kVisibleMargin));
    return {left, top, width, height};
}

}  // namespace corvane
