#include "assist/popup_placement.h"

#include <algorithm>

namespace corvane {

ScreenPoint PlacePopupAtCaret(const ScreenBox& caret, int width, int height, const ScreenBox& room, int gap,
                              PopupSide preferred) {
    const int roomBottom = room.top + room.height;
    const int below = caret.top + caret.height - 1 + gap;
    const int above = caret.top - gap - height;
    const auto fits = [&](int top) { return top >= room.top && top + height <= roomBottom; };
    const int first = preferred == PopupSide::Below ? below : above;
    const int second = preferred == PopupSide::Below ? above : below;
    const int y = fits(first) ? first : fits(second) ? second : std::max(room.top, roomBottom - height);
    const int x = std::clamp(caret.left, room.left, std::max(room.left, room.left + room.width - width));
    return {x, y};
}

}  // namespace corvane
