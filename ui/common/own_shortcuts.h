#pragma once
// A tool window inside the main window whose own actions keep their keys while the focus is in it:
// Qt runs neither of two items that share a key (Ctrl+S is the script's Save in the main window's
// menu and the map's Save Map in the map window), so the window claims its keys before the main
// window's shortcuts are looked at, and runs the action itself.

#include <QObject>

class QAction;
class QKeyEvent;
class QWidget;

namespace corvane {

class OwnShortcuts final : public QObject {
public:
    // Watches `window`'s keys from now on; `window` owns this object.
    explicit OwnShortcuts(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's enabled action with this key, if any.
    QAction* actionFor(const QKeyEvent& key) const;

    QWidget& window_;
};

}  // namespace corvane
