#include "map/map_picture.h"

#include "map/marker_picking.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPen>
#include <QToolTip>

namespace corvane {
namespace {

QImage PictureOf(const MapImage& image) {
    // Wraps the pixels without copying them; the image outlives every paint.
    return QImage(reinterpret_cast<const uchar*>(image.data()), MapImage::kSize, MapImage::kSize, MapImage::kSize * 4,
                  QImage::Format_RGB32);
}

}  // namespace

MapPicture::MapPicture(const MapImage& image, const std::array<Marker, kMarkerCount>& markers, QWidget* parent)
    : QWidget(parent), image_(image), markers_(markers) {
    setObjectName(QStringLiteral("picMap"));
    setFixedSize(MapImage::kSize, MapImage::kSize);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::ClickFocus);  // Esc during a drag reaches the picture
}

void MapPicture::setZoom(int factor) {
    zoom_.setFactor(factor);
    setFixedSize(MapImage::kSize * zoom_.factor(), MapImage::kSize * zoom_.factor());
    update();
}

void MapPicture::setSelectedMarker(int number) {
    selected_ = number;
    update();
}

QPoint MapPicture::pictureAt(QPoint widgetPosition) const {
    return {zoom_.pictureOf(widgetPosition.x()), zoom_.pictureOf(widgetPosition.y())};
}

QString MapPicture::toolTipAt(QPoint widgetPosition) const {
    QPoint pixel = pictureAt(widgetPosition);
    if (!rect().contains(widgetPosition)) return {};
    MapPoint at{pixel.x() / 2, pixel.y() / 2};
    int n = MarkerAt(markers_, at);
    return n < 0 ? QString() : tr("Marker %1 (%2, %3)").arg(n).arg(at.x).arg(at.y);
}

bool MapPicture::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    QString tip = toolTipAt(help->pos());
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

QRect MapPicture::markerSquare(const Marker& marker) const {
    int side = 2 * zoom_.factor();
    return {marker.x * side, marker.y * side, side, side};
}

void MapPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the picture pixels the exposed area touches, each drawn as a zoom x zoom square.
    const QRect area = event->rect();
    const int z = zoom_.factor();
    QRect source(QPoint(zoom_.pictureOf(area.left()), zoom_.pictureOf(area.top())),
                 QPoint(zoom_.pictureOf(area.right()), zoom_.pictureOf(area.bottom())));
    source &= QRect(0, 0, MapImage::kSize, MapImage::kSize);
    painter.drawImage(QRect(source.topLeft() * z, source.size() * z), PictureOf(image_), source);
    if (z >= 2) paintNumbers(painter, area);
    paintSelection(painter);
}

void MapPicture::paintSelection(QPainter& painter) const {
    if (selected_ < 0 || selected_ >= kMarkerCount) return;
    // A white ring inside a black one stands out on water, hills and grass alike.
    QRect ring = markerSquare(markers_[static_cast<std::size_t>(selected_)]).adjusted(-3, -3, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(ring.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
}

void MapPicture::paintNumbers(QPainter& painter, const QRect& area) const {
    QFont font = painter.font();
    font.setPixelSize(std::min(7 + zoom_.factor(), 14));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (int n = 0; n < kMarkerCount; ++n) {
        const Marker& marker = markers_[static_cast<std::size_t>(n)];
        int sharing = 0;
        // Markers on one spot (the game's levels keep unused ones at 0, 0) show as "n+k" once.
        if (MarkerAt(markers_, {marker.x, marker.y}, &sharing) != n) continue;
        QString label = sharing > 0 ? QStringLiteral("%1+%2").arg(n).arg(sharing) : QString::number(n);
        QRect square = markerSquare(marker);
        QPoint at(square.right() + 6, square.top() + metrics.ascent() / 2);  // clear of the selection ring
        QRect box(at.x() - 1, at.y() - metrics.ascent() - 1, metrics.horizontalAdvance(label) + 2, metrics.height() + 2);
        if (!area.intersects(box)) continue;
        painter.setPen(Qt::black);
        painter.drawText(at + QPoint(1, 1), label);
        painter.setPen(Qt::white);
        painter.drawText(at, label);
    }
}

void MapPicture::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMovedTo(pictureAt(event->position().toPoint()), event->buttons());
}

void MapPicture::mousePressEvent(QMouseEvent* event) {
    QPoint widgetPosition = event->position().toPoint();
    emit mousePressedAt(pictureAt(widgetPosition), event->buttons(), widgetPosition);
}

void MapPicture::mouseReleaseEvent(QMouseEvent*) { emit mouseReleased(); }

void MapPicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        emit escapePressed();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace corvane
