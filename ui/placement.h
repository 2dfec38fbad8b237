#pragma once
// Window measures are remembered in twips (1/1440 inch) so that they mean the same on any screen.

namespace corvane {

int twipsToPixels(int twips, int dotsPerInch);
int pixelsToTwips(int pixels, int dotsPerInch);

}  // namespace corvane
