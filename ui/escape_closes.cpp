#include "ui/escape_closes.h"

#include <QKeyEvent>
#include <QWidget>

namespace corvane {

bool closeOnEscape(QWidget& window, const QKeyEvent& event) {
    if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier) return false;
    window.close();
    return true;
}

}  // namespace corvane
