#include "map/map_zoom.h"

#include <algorithm>

namespace corvane {
namespace {

long FloorDiv(long a, long b) { return a / b - (a % b < 0 ? 1 : 0); }
long CeilDiv(long a, long b) { return -FloorDiv(-a, b); }

}  // namespace

void MapZoom::SetFactor(int factor) { SetShownSize(std::clamp(factor, kMin, kMax) * kPictureSize); }

void MapZoom::SetShownSize(int size) { shown_ = std::clamp(size, kMin * kPictureSize, kMax * kPictureSize); }

int MapZoom::StepUp() const { return std::min(shown_ / kPictureSize + 1, kMax); }

int MapZoom::StepDown() const { return std::max((shown_ + kPictureSize - 1) / kPictureSize - 1, kMin); }

int MapZoom::Fitting(int viewWidth, int viewHeight) {
    return std::clamp(std::min(viewWidth, viewHeight), kMin * kPictureSize, kMax * kPictureSize);
}

int MapZoom::PictureOf(int widgetPixel) const {
    return static_cast<int>(FloorDiv(static_cast<long>(widgetPixel) * kPictureSize, shown_));
}

int MapZoom::WidgetOf(int picturePixel) const {
    return static_cast<int>(CeilDiv(static_cast<long>(picturePixel) * shown_, kPictureSize));
}

int MapZoom::ScrollKeeping(int scroll, int pointer, int from, int to) {
    // The point under the pointer scaled to the new width lies in the same picture pixel or, when
    // rounding down took it across the pixel's left edge, just before it: then the edge it is.
    MapZoom before, after;
    before.SetShownSize(from);
    after.SetShownSize(to);
    const int position = scroll + pointer;
    const long scaled = FloorDiv(static_cast<long>(position) * after.shown_, before.shown_);
    const int pixelStart = after.WidgetOf(before.PictureOf(position));
    return std::max(static_cast<int>(scaled), pixelStart) - pointer;
}

}  // namespace corvane
