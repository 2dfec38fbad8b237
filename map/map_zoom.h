#pragma once
// How the level's picture is enlarged on screen: a whole-number factor, so that every picture pixel
// becomes an even square and the pixel under the pointer can be kept in place while zooming.

namespace corvane {

class MapZoom {
public:
    static constexpr int kMin = 1;  // the picture pixel for pixel
    static constexpr int kMax = 8;

    int Factor() const { return factor_; }
    // Clamped to kMin..kMax.
    void SetFactor(int factor);
    // The largest factor at which a picture of `pictureSize` fits in a view of the given size.
    static int Fitting(int pictureSize, int viewWidth, int viewHeight);

    // The picture pixel under a widget pixel; rounds toward minus infinity, so that the pixels
    // left of and above the picture stay negative.
    int PictureOf(int widgetPixel) const;

    // The scroll position that keeps the picture pixel under `pointer` (in view coordinates, with
    // the view scrolled to `scroll`) under the pointer once the factor changes from `from` to `to`.
    static int ScrollKeeping(int scroll, int pointer, int from, int to);

private:
    int factor_ = kMin;
};

}  // namespace corvane
