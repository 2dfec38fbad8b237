#pragma once
// How the level's picture is enlarged on screen, held as the width in screen pixels the picture is
// shown at. The zoom keys step through whole factors, so that every picture pixel becomes an even
// square; Fit may choose any width in between, so that a large window is filled. All arithmetic
// is on whole numbers, so the pixel under the pointer can be kept in place exactly.

#include "map/map_image.h"

namespace corvane {

class MapZoom {
public:
    static constexpr int kPictureSize = MapImage::kSize;  // picture pixels each way
    static constexpr int kMin = 1;                        // the picture pixel for pixel
    static constexpr int kMax = 8;

    // The shown width, kPictureSize * kMin to kPictureSize * kMax.
    int ShownSize() const { return shown_; }
    // The factor, fractional after Fit.
    double Factor() const { return static_cast<double>(shown_) / kPictureSize; }
    // Clamped to kMin..kMax.
    void SetFactor(int factor);
    // Clamped to the shown widths of kMin and kMax.
    void SetShownSize(int size);
    // The next whole factor above and below the present one (clamped).
    int StepUp() const;
    int StepDown() const;
    // The largest width at which the picture fits in a view of the given size.
    static int Fitting(int viewWidth, int viewHeight);

    // The picture pixel under a widget pixel; rounds toward minus infinity, so that the pixels
    // left of and above the picture stay negative.
    int PictureOf(int widgetPixel) const;
    // The first widget pixel showing a picture pixel.
    int WidgetOf(int picturePixel) const;

    // The scroll position that keeps the picture pixel under `pointer` (in view coordinates, with
    // the view scrolled to `scroll`) under the pointer once the shown width changes from `from`
    // to `to`.
    static int ScrollKeeping(int scroll, int pointer, int from, int to);

private:
    int shown_ = kPictureSize * kMin;
};

}  // namespace corvane
