#include "ui/popup_position.h"

#include <QScreen>

namespace corvane {

QPoint popupPositionAtCaret(const QRect& caret, const QSize& size, const QScreen* screen, PopupSide preferred) {
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(caret.topLeft(), size * 4);
    const ScreenPoint at =
        PlacePopupAtCaret({caret.left(), caret.top(), caret.width(), caret.height()}, size.width(), size.height(),
                          {room.left(), room.top(), room.width(), room.height()}, 2, preferred);
    return {at.x, at.y};
}

}  // namespace corvane
