#include "assist/popup_placement.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// A screen of 1000 by 800 pixels below a 20 pixel bar; the caret 2 by 16 pixels.
TEST(PlacePopupAtCaret, BelowTheCaretAboveWhereTheScreenEndsAndNeverOffIt) {
    const ScreenBox room{0, 20, 1000, 800};
    const struct {
        ScreenBox caret;
        int width, height;
        ScreenPoint at;
    } cases[] = {
        {{40, 60, 2, 16}, 100, 50, {40, 77}},    // 2 pixels below the caret's last row
        {{40, 753, 2, 16}, 100, 50, {40, 770}},  // its last row on the screen's last one
        {{40, 754, 2, 16}, 100, 50, {40, 702}},  // one row more: above the caret
        {{40, 400, 2, 16}, 100, 790, {40, 30}},  // room neither below nor above: at the screen's bottom
        {{40, 400, 2, 16}, 100, 900, {40, 20}},  // taller than the screen: at its top
        {{950, 60, 2, 16}, 100, 50, {900, 77}},  // moved left off the right edge
        {{-30, 60, 2, 16}, 100, 50, {0, 77}},
        {{40, 60, 2, 16}, 1200, 50, {0, 77}},  // wider than the screen: at its left
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlacePopupAtCaret(c.caret, c.width, c.height, room, 2), c.at)
            << c.caret.left << "," << c.caret.top << " " << c.width << "x" << c.height;
    }
    // A hint goes above the caret's line, below it where the screen ends above.
    EXPECT_EQ(PlacePopupAtCaret({40, 400, 2, 16}, 100, 50, room, 2, PopupSide::Above), (ScreenPoint{40, 348}));
    EXPECT_EQ(PlacePopupAtCaret({40, 60, 2, 16}, 100, 50, room, 2, PopupSide::Above), (ScreenPoint{40, 77}));
}

}  // namespace
}  // namespace corvane
