#pragma once
// picMap: shows the level's 512 x 512 picture, pixel for pixel at zoom 1 and enlarged without
// smoothing above it (by whole or, after Fit, fractional factors), and reports the mouse over it in picture pixels. On
// top of the picture (never in it) a frame marks the selected marker and, from zoom 2 on, each marker shows its number.

#include <QWidget>

#include "map/level_data.h"
#include "map/level_document.h"
#include "map/map_image.h"
#include "map/map_zoom.h"

namespace corvane {

class MapPicture : public QWidget {
    Q_OBJECT

public:
    explicit MapPicture(const MapImage& image, QWidget* parent = nullptr);

    // The level whose markers, players and stone heads the overlay and the tool tips show; none
    // before the first level is opened.
    void setDocument(const LevelDocument* document);

    const MapZoom& zoom() const { return zoom_; }
    // Resizes the widget to the picture at that width (clamped to MapZoom's range).
    void setShownSize(int size);

    // The picture pixel under a widget position.
    QPoint pictureAt(QPoint widgetPosition) const;
    // "Marker n (x, y)" over a marker, the player or stone head over one of them, empty elsewhere.
    QString toolTipAt(QPoint widgetPosition) const;

signals:
    void mouseMovedTo(QPoint pixel, Qt::MouseButtons buttons);
    void mousePressedAt(QPoint pixel, Qt::MouseButtons buttons, QPoint widgetPosition);
    void mouseReleased();
    void escapePressed();
    // An arrow key: the selected marker should move one map unit. A run of them (a key held down)
    // ends when the key is let go.
    void nudgeRequested(int dx, int dy);
    void nudgeEnded();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    const MapImage& image_;
    const LevelDocument* document_ = nullptr;
    MapZoom zoom_;

    // The widget pixels showing these picture pixels.
    QRect widgetArea(const QRect& pixels) const;
    QRect markerSquare(const Marker& marker) const;
    void paintSelection(QPainter& painter) const;
    void paintPlayerRings(QPainter& painter) const;
    void paintNumbers(QPainter& painter, const QRect& area) const;
};

}  // namespace corvane
