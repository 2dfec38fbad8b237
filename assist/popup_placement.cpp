#include "assist/popup_placement.h"

#include <algorithm>

namespace corvane {

ScreenPoint PlacePopupAtCaret(const ScreenBox& caret, int width, int height, const ScreenBox& room, int gap) {
    ScreenPoint at{caret.left, caret.top + caret.height - 1 + gap};
    const int roomBottom = room.top + room.height;
    if (at.y + height > roomBottom) {
        const int above = caret.top - gap - height;
        at.y = above >= room.top ? above : std::max(room.top, roomBottom - height);
    }
    at.x = std::clamp(at.x, room.left, std::max(room.left, room.left + room.width - width));
    return at;
}

}  // namespace corvane
