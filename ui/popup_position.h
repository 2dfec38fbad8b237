#pragma once
// The popups of the script box (word list, parameter hint) placed at the caret on its screen.

#include <QPoint>
#include <QRect>
#include <QSize>

#include "assist/popup_placement.h"

class QScreen;

namespace corvane {

// `caret` in screen pixels; without a screen the popup goes below it.
QPoint popupPositionAtCaret(const QRect& caret, const QSize& size, const QScreen* screen, PopupSide preferred);

}  // namespace corvane
