#include "ui/common/own_shortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

namespace corvane {

OwnShortcuts::OwnShortcuts(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

QAction* OwnShortcuts::actionFor(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    for (QAction* action : window_.actions())
        if (action->isEnabled() && action->shortcuts().contains(pressed)) return action;
    return nullptr;
}

bool OwnShortcuts::eventFilter(QObject* watched, QEvent* event) {
    // Key events reach the window when the widget with the focus inside it leaves them unhandled.
    const auto type = event->type();
    if (watched != &window_ || (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QAction* action = actionFor(*key);
    if (action == nullptr) return false;
    // Accepting the override makes Qt deliver the key as a key press instead of as a shortcut.
    key->accept();
    if (type == QEvent::KeyPress) action->trigger();
    return true;
}

}  // namespace corvane
