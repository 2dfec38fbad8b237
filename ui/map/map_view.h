#pragma once
// The scrolled view around the picture: zoom with Ctrl and the wheel (the picture pixel under the
// pointer stays under it), by steps, to fit or to 1:1; pan with the scroll bars or by dragging with
// the middle button.

#include <QScrollArea>
#include <optional>

namespace corvane {

class MapPicture;

class MapView : public QScrollArea {
    Q_OBJECT

public:
    explicit MapView(MapPicture* picture, QWidget* parent = nullptr);

    MapPicture* picture() const { return picture_; }
    // Sets a whole zoom factor keeping the picture pixel under `anchor` (a point of the viewport) in
    // place; without an anchor, the middle of the view.
    void zoomTo(int factor, std::optional<QPoint> anchor = std::nullopt);
    // To the next whole factor.
    void zoomIn();
    void zoomOut();
    // The largest size, whole factor or not, at which the whole picture shows.
    void zoomToFit();
    void zoomOneToOne();

signals:
    void zoomChanged(double factor);

protected:
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAtSize(int size, std::optional<QPoint> anchor);

    MapPicture* picture_;
    std::optional<QPoint> panFrom_;  // the pointer, in global coordinates, while the middle button pans
    QPoint panScroll_;
};

}  // namespace corvane
