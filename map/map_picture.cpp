#include "map/map_picture.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace corvane {

MapPicture::MapPicture(const MapImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setObjectName(QStringLiteral("picMap"));
    setFixedSize(MapImage::kSize, MapImage::kSize);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

void MapPicture::paintEvent(QPaintEvent*) {
    // Wraps the pixels without copying them; the image outlives every paint.
    QImage picture(reinterpret_cast<const uchar*>(image_.data()), MapImage::kSize, MapImage::kSize,
                   MapImage::kSize * 4, QImage::Format_RGB32);
    QPainter(this).drawImage(0, 0, picture);
}

void MapPicture::mouseMoveEvent(QMouseEvent* event) { emit mouseMovedTo(event->position().toPoint()); }

void MapPicture::mousePressEvent(QMouseEvent* event) {
    emit mousePressedAt(event->position().toPoint(), event->buttons());
}

}  // namespace corvane
