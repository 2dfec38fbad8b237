#pragma once
// The left side of the "Markers" page: the zoom buttons, the scrolled picture and a legend that
// says what the mouse does.

#include <QKeySequence>
#include <QList>
#include <QWidget>

class QAction;
class QLabel;

namespace corvane {

class MapPicture;
class MapView;

class MapViewPanel : public QWidget {
    Q_OBJECT

public:
    MapViewPanel(MapPicture* picture, QWidget* parent = nullptr);

    MapView* view() const { return view_; }
    // Zoom in, out, fit and 1:1 with their keys; the window adds them to itself so that the keys
    // work wherever its focus is.
    const QList<QAction*>& zoomActions() const { return zoomActions_; }

private:
    MapView* view_;
    QLabel* zoomLabel_;
    QList<QAction*> zoomActions_;

    QAction* addZoomAction(const QString& text, const QList<QKeySequence>& keys, void (MapView::*zoom)());
};

}  // namespace corvane
