#include "ui/map/map_picture.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QToolTip>
#include <algorithm>

#include "map/marker_picking.h"

namespace corvane {
namespace {

QImage PictureOf(const MapImage& image) {
    // Wraps the pixels without copying them; the image outlives every paint.
    return QImage(reinterpret_cast<const uchar*>(image.Data()), MapImage::kSize, MapImage::kSize, MapImage::kSize * 4,
                  QImage::Format_RGB32);
}

}  // namespace

MapPicture::MapPicture(const MapImage& image, QWidget* parent) : QWidget(parent), image_(image) {
    setObjectName(QStringLiteral("picMap"));
    setFixedSize(MapImage::kSize, MapImage::kSize);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::ClickFocus);  // Esc during a drag and the arrow keys reach the picture
    // The right button moves the selected marker here; the window's menu would cover the spot.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void MapPicture::setShownSize(int size) {
    zoom_.SetShownSize(size);
    setFixedSize(zoom_.ShownSize(), zoom_.ShownSize());
    update();
}

void MapPicture::setDocument(const LevelDocument* document) {
    document_ = document;
    update();
}

QPoint MapPicture::pictureAt(QPoint widgetPosition) const {
    return {zoom_.PictureOf(widgetPosition.x()), zoom_.PictureOf(widgetPosition.y())};
}

QString MapPicture::toolTipAt(QPoint widgetPosition) const {
    QPoint pixel = pictureAt(widgetPosition);
    if (!rect().contains(widgetPosition)) return {};
    if (document_ == nullptr) return {};
    return QString::fromStdString(
        ToolTipAt(document_->Terrain(), document_->Markers(), MapPoint{pixel.x() / 2, pixel.y() / 2}));
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

QRect MapPicture::widgetArea(const QRect& pixels) const {
    return {QPoint(zoom_.WidgetOf(pixels.left()), zoom_.WidgetOf(pixels.top())),
            QPoint(zoom_.WidgetOf(pixels.right() + 1) - 1, zoom_.WidgetOf(pixels.bottom() + 1) - 1)};
}

QRect MapPicture::markerSquare(const Marker& marker) const { return widgetArea({2 * marker.x, 2 * marker.y, 2, 2}); }

void MapPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Only the picture pixels the exposed area touches, each drawn as a square of the zoom's size.
    const QRect area = event->rect();
    QRect source(QPoint(zoom_.PictureOf(area.left()), zoom_.PictureOf(area.top())),
                 QPoint(zoom_.PictureOf(area.right()), zoom_.PictureOf(area.bottom())));
    source &= QRect(0, 0, MapImage::kSize, MapImage::kSize);
    painter.drawImage(widgetArea(source), PictureOf(image_), source);
    if (document_ == nullptr) return;
    if (zoom_.Factor() >= 2) paintNumbers(painter, area);
    paintPlayerRings(painter);
    paintSelection(painter);
}

void MapPicture::paintSelection(QPainter& painter) const {
    const int selected = document_->SelectedMarker();
    if (selected < 0 || selected >= kMarkerCount) return;
    // A white ring inside a black one stands out on water, hills and grass alike.
    QRect ring = markerSquare(document_->MarkerAt(selected)).adjusted(-3, -3, 2, 2);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(ring.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
}

void MapPicture::paintPlayerRings(QPainter& painter) const {
    // The picture's own player colours stay as they are; a ring in the player's colour around the
    // black frame keeps Green visible on green hills and Blue on the sea.
    static const QColor kRingColours[kPlayerCount] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(255, 255, 0),
                                                      QColor(0, 255, 0)};
    painter.setBrush(Qt::NoBrush);
    for (int p = 0; p < kPlayerCount; ++p) {
        const MapPoint& at = document_->Terrain().playerPositions[static_cast<std::size_t>(p)];
        if (at.x < 0) continue;
        QRect frame = widgetArea({2 * at.x - 1, 2 * at.y - 1, 4, 4});
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(frame.adjusted(-2, -2, 1, 1));
        painter.setPen(QPen(kRingColours[p], 1));
        painter.drawRect(frame.adjusted(-3, -3, 2, 2));
    }
}

void MapPicture::paintNumbers(QPainter& painter, const QRect& area) const {
    QFont font = painter.font();
    font.setPixelSize(std::min(7 + static_cast<int>(zoom_.Factor()), 14));
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (int n = 0; n < kMarkerCount; ++n) {
        const Marker& marker = document_->MarkerAt(n);
        int sharing = 0;
        // Markers on one spot (the game's levels keep unused ones at 0, 0) show as "n+k" once.
        if (MarkerAt(document_->Markers(), {marker.x, marker.y}, &sharing) != n) continue;
        QString label = sharing > 0 ? QStringLiteral("%1+%2").arg(n).arg(sharing) : QString::number(n);
        QRect square = markerSquare(marker);
        QPoint at(square.right() + 6, square.top() + metrics.ascent() / 2);  // clear of the selection ring
        QRect box(at.x() - 1, at.y() - metrics.ascent() - 1, metrics.horizontalAdvance(label) + 2,
                  metrics.height() + 2);
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
    switch (event->key()) {
        case Qt::Key_Escape:
            emit escapePressed();
            return;
        case Qt::Key_Left:
            emit nudgeRequested(-1, 0);
            return;
        case Qt::Key_Right:
            emit nudgeRequested(1, 0);
            return;
        case Qt::Key_Up:
            emit nudgeRequested(0, -1);
            return;
        case Qt::Key_Down:
            emit nudgeRequested(0, 1);
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

void MapPicture::keyReleaseEvent(QKeyEvent* event) {
    // Releasing an arrow key ends a nudge run; the keyboard's repeats come as press and release pairs.
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                                   event->key() == Qt::Key_Up || event->key() == Qt::Key_Down))
        emit nudgeEnded();
    else
        QWidget::keyReleaseEvent(event);
}

}  // namespace corvane
