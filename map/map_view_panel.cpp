#include "map/map_view_panel.h"

#include "map/map_view.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane {

MapViewPanel::MapViewPanel(MapPicture* picture, QWidget* parent) : QWidget(parent) {
    view_ = new MapView(picture, this);
    zoomLabel_ = new QLabel(tr("Zoom 1:1"), this);
    zoomLabel_->setObjectName(QStringLiteral("lblZoom"));
    connect(view_, &MapView::zoomChanged, this, [this](int factor) { zoomLabel_->setText(tr("Zoom %1:1").arg(factor)); });

    auto* bar = new QHBoxLayout;
    addZoomAction(QStringLiteral("-"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &MapView::zoomOut);
    addZoomAction(QStringLiteral("+"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                  &MapView::zoomIn);
    addZoomAction(tr("Fit"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &MapView::zoomToFit);
    addZoomAction(tr("1:1"), {QKeySequence(Qt::CTRL | Qt::Key_1)}, &MapView::zoomOneToOne);
    for (QAction* action : zoomActions_) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        bar->addWidget(button);
    }
    bar->addWidget(zoomLabel_);
    bar->addStretch();

    auto* legend = new QLabel(tr("Left button: select the nearest marker; drag a marker to move it (Esc puts it "
                                 "back). Right button: move the selected marker there. Ctrl+wheel or Ctrl++ / Ctrl+-: "
                                 "zoom; middle button: pan."),
                              this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    legend->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    layout->addWidget(legend);
}

QAction* MapViewPanel::addZoomAction(const QString& text, const QList<QKeySequence>& keys, void (MapView::*zoom)()) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.first().toString(QKeySequence::NativeText)));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, view_, zoom);
    zoomActions_ << action;
    return action;
}

}  // namespace corvane
