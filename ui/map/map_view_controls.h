#pragma once
// Beside the map: the zoom buttons with the zoom shown, and a legend that says what the mouse does.

#include <QKeySequence>
#include <QList>
#include <QWidget>

class QAction;
class QLabel;

namespace corvane {

class MapView;

class MapViewControls : public QWidget {
    Q_OBJECT

public:
    explicit MapViewControls(MapView& view, QWidget* parent = nullptr);

    // Zoom in, out, fit and 1:1 with their keys; the window adds them to itself so that the keys
    // work wherever its focus is.
    const QList<QAction*>& zoomActions() const { return zoomActions_; }

private:
    MapView& view_;
    QLabel* zoomLabel_;
    QList<QAction*> zoomActions_;

    void addZoomAction(const QString& text, const QList<QKeySequence>& keys, void (MapView::*zoom)());
};

}  // namespace corvane
