#pragma once
// picMap: shows the level's 512 x 512 picture pixel for pixel and reports the mouse over it.

#include "map/map_image.h"

#include <QWidget>

namespace corvane {

class MapPicture : public QWidget {
    Q_OBJECT

public:
    MapPicture(const MapImage& image, QWidget* parent = nullptr);

signals:
    void mouseMovedTo(QPoint pixel);
    void mousePressedAt(QPoint pixel, Qt::MouseButtons buttons);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const MapImage& image_;
};

}  // namespace corvane
