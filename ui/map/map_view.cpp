#include "ui/map/map_view.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include "map/map_image.h"
#include "map/map_zoom.h"
#include "ui/map/map_picture.h"

namespace corvane {

MapView::MapView(MapPicture* picture, QWidget* parent) : QScrollArea(parent), picture_(picture) {
    setObjectName(QStringLiteral("mapView"));
    setWidget(picture);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // At zoom 1 the whole picture shows, as it always did.
    setMinimumSize(MapImage::kSize + 2 * frameWidth(), MapImage::kSize + 2 * frameWidth());
    picture->installEventFilter(this);
}

void MapView::zoomTo(int factor, std::optional<QPoint> anchor) {
    MapZoom wanted;
    wanted.SetFactor(factor);
    showAtSize(wanted.ShownSize(), anchor);
}

void MapView::showAtSize(int size, std::optional<QPoint> anchor) {
    const int from = picture_->zoom().ShownSize();
    picture_->setShownSize(size);
    const int to = picture_->zoom().ShownSize();
    if (to == from) return;
    const QPoint pointer = anchor.value_or(QPoint(viewport()->width() / 2, viewport()->height() / 2));
    const int x = MapZoom::ScrollKeeping(horizontalScrollBar()->value(), pointer.x(), from, to);
    const int y = MapZoom::ScrollKeeping(verticalScrollBar()->value(), pointer.y(), from, to);
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
    emit zoomChanged(picture_->zoom().Factor());
}

void MapView::zoomIn() { zoomTo(picture_->zoom().StepUp()); }
void MapView::zoomOut() { zoomTo(picture_->zoom().StepDown()); }

void MapView::zoomToFit() {
    // The view's size without scroll bars, which the fitted picture no longer needs.
    const QSize room = maximumViewportSize();
    showAtSize(MapZoom::Fitting(room.width(), room.height()), std::nullopt);
}

void MapView::zoomOneToOne() { zoomTo(MapZoom::kMin); }

void MapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    const MapZoom& zoom = picture_->zoom();
    if (steps != 0)
        zoomTo(steps > 0 ? zoom.StepUp() + steps - 1 : zoom.StepDown() + steps + 1,
               event->position().toPoint() /* viewport coordinates */);
    event->accept();
}

bool MapView::eventFilter(QObject* watched, QEvent* event) {
    // The picture and the scroll area still get every event: the mouse position label follows a pan.
    const auto type = event->type();
    if (watched != picture_ ||
        (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease))
        return QScrollArea::eventFilter(watched, event);
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::MiddleButton) {
        panFrom_ = global;
        panScroll_ = {horizontalScrollBar()->value(), verticalScrollBar()->value()};
    } else if (type == QEvent::MouseMove && panFrom_ && (mouse->buttons() & Qt::MiddleButton)) {
        horizontalScrollBar()->setValue(panScroll_.x() - (global.x() - panFrom_->x()));
        verticalScrollBar()->setValue(panScroll_.y() - (global.y() - panFrom_->y()));
    } else if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::MiddleButton) {
        panFrom_.reset();
    }
    return false;
}

}  // namespace corvane
