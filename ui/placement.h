#pragma once
// Window measures are remembered in twips (1/1440 inch) so that they mean the same on any screen.

#include <QRect>
#include <QSize>

namespace corvane {

int twipsToPixels(int twips, int dotsPerInch);
int pixelsToTwips(int pixels, int dotsPerInch);

// A remembered window rectangle made usable in an area of `area` pixels: the size at least
// `minimum` and at most the area (where the area has a size yet), the title bar inside the area
// and some of the window on it. A hand-edited or stale editor.ini can thus never lose the window.
QRect reachablePlacement(const QRect& wanted, const QSize& area, const QSize& minimum);

}  // namespace corvane
