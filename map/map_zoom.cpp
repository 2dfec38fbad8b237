#include "map/map_zoom.h"

#include <algorithm>

namespace corvane {

void MapZoom::SetFactor(int factor) { factor_ = std::clamp(factor, kMin, kMax); }

int MapZoom::Fitting(int pictureSize, int viewWidth, int viewHeight) {
    return std::clamp(std::min(viewWidth, viewHeight) / pictureSize, kMin, kMax);
}

int MapZoom::PictureOf(int widgetPixel) const {
    int quotient = widgetPixel / factor_;
    return widgetPixel % factor_ < 0 ? quotient - 1 : quotient;
}

int MapZoom::ScrollKeeping(int scroll, int pointer, int from, int to) {
    // (scroll + pointer) lies in picture pixel (scroll + pointer) / from; scaled by to / from and
    // rounded down it lies in the same picture pixel at the new factor.
    long scaled = static_cast<long>(scroll + pointer) * to / from;
    return static_cast<int>(scaled) - pointer;
}

}  // namespace corvane
