#include "ui/map/map_view_controls.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/map/map_view.h"

namespace corvane {

MapViewControls::MapViewControls(MapView& view, QWidget* parent) : QWidget(parent), view_(view) {
    zoomLabel_ = new QLabel(tr("Zoom 1:1"), this);
    zoomLabel_->setObjectName(QStringLiteral("lblZoom"));
    connect(&view_, &MapView::zoomChanged, this,
            [this](double factor) { zoomLabel_->setText(tr("Zoom %1:1").arg(factor, 0, 'g', 3)); });
    addZoomAction(QStringLiteral("-"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &MapView::zoomOut);
    addZoomAction(QStringLiteral("+"), {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
                  &MapView::zoomIn);
    addZoomAction(tr("Fit"), {QKeySequence(Qt::CTRL | Qt::Key_0)}, &MapView::zoomToFit);
    addZoomAction(tr("1:1"), {QKeySequence(Qt::CTRL | Qt::Key_1)}, &MapView::zoomOneToOne);

    auto* bar = new QHBoxLayout;
    for (QAction* action : zoomActions_) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(action);
        bar->addWidget(button);
    }
    bar->addWidget(zoomLabel_);
    bar->addStretch();
    // Fixed lines: a wrapped label would leave the window's minimum height to chance.
    auto* legend = new QLabel(tr("Left button: select a marker;\n"
                                 "drag it to move it (Esc: back).\n"
                                 "Right button: move the selected\n"
                                 "marker there. Middle button: pan.\n"
                                 "Ctrl+wheel, Ctrl++, Ctrl+-: zoom."),
                              this);
    legend->setObjectName(QStringLiteral("lblLegend"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(legend);
}

void MapViewControls::addZoomAction(const QString& text, const QList<QKeySequence>& keys, void (MapView::*zoom)()) {
    auto* action = new QAction(text, this);
    action->setShortcuts(keys);
    action->setToolTip(QStringLiteral("%1 (%2)").arg(text, keys.first().toString(QKeySequence::NativeText)));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, &view_, zoom);
    zoomActions_ << action;
}

}  // namespace corvane
