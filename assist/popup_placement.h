#pragma once
// Where a list that pops up at the caret goes on the screen: below the caret's line, above it where
// the screen ends below, moved sideways so that no edge of the screen cuts it. Screen pixels.

namespace corvane {

struct ScreenBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The top left corner of a popup of `width` by `height` for the caret box `caret` on the screen
// area `room`, a gap of `gap` pixels from the caret's line.
ScreenPoint PlacePopupAtCaret(const ScreenBox& caret, int width, int height, const ScreenBox& room, int gap);

}  // namespace corvane
