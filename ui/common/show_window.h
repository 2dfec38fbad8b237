#pragma once

#include <QMdiSubWindow>
#include <QWidget>

namespace corvane {

// Shows a window and brings it to the front; inside the main window's MDI area the frame around
// it has to be shown as well.
inline void ShowWindowWithFrame(QWidget& window) {
    window.show();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window.parentWidget())) {
        frame->show();
        frame->raise();
        frame->setFocus();
    } else {
        window.raise();
    }
}

}  // namespace corvane
