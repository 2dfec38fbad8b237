#pragma once
// Where a popup at the caret goes on the screen: on its preferred side of the caret's line, on the
// other side where the screen ends, moved so that no edge of the screen cuts it. Screen pixels.

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

// A list of words goes below the caret so that the line above stays readable; a hint about the
// line being typed goes above it so that it hides none of the lines that follow.
enum class PopupSide { Below, Above };

// The top left corner of a popup of `width` by `height` for the caret box `caret` on the screen
// area `room`, a gap of `gap` pixels from the caret's line.
ScreenPoint PlacePopupAtCaret(const ScreenBox& caret, int width, int height, const ScreenBox& room, int gap,
                              PopupSide preferred = PopupSide::Below);

}  // namespace corvane
