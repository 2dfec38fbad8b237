#include "ui/outline_dock.h"

#include <QHeaderView>
#include <QTreeWidget>

#include "assist/script_outline.h"
#include "ui/box_text.h"
#include "ui/editor_look.h"
#include "ui/script_text_box.h"

namespace corvane {

namespace {
constexpr qreal kOutlinePoints = 8.25;
constexpr int kStartRole = Qt::UserRole;
constexpr int kLengthRole = Qt::UserRole + 1;
}  // namespace

OutlineDock::OutlineDock(ScriptTextBox& box, QWidget* parent)
    : QDockWidget(QStringLiteral("Outline"), parent), box_(box) {
    setObjectName(QStringLiteral("dockOutline"));
    setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetClosable);
    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("treeOutline"));
    tree_->setHeaderHidden(true);
    tree_->setFont(courierNew(kOutlinePoints));
    tree_->setIndentation(12);
    QPalette colours = tree_->palette();
    colours.setColor(QPalette::Base, darkBackground().darker(115));
    colours.setColor(QPalette::Text, QColor(224, 224, 224));
    tree_->setPalette(colours);
    setWidget(tree_);
    connect(tree_, &QTreeWidget::itemClicked, this, &OutlineDock::goTo);
    connect(tree_, &QTreeWidget::itemActivated, this, &OutlineDock::goTo);
}

void OutlineDock::refresh() {
    const std::vector<ScriptBlock> blocks = OutlineScript(box_.engineText());
    QStringList shape;
    QTreeWidgetItem root;
    addBlocks(blocks, &root, shape);
    if (shape == shape_) {
        // The same blocks: only their places moved, and the author's folded branches stay.
        QList<QTreeWidgetItem*> from{&root};
        QList<QTreeWidgetItem*> to{tree_->invisibleRootItem()};
        while (!from.isEmpty()) {
            QTreeWidgetItem* source = from.takeLast();
            QTreeWidgetItem* target = to.takeLast();
            for (int i = 0; i < source->childCount(); ++i) {
                target->child(i)->setData(0, kStartRole, source->child(i)->data(0, kStartRole));
                target->child(i)->setData(0, kLengthRole, source->child(i)->data(0, kLengthRole));
                from << source->child(i);
                to << target->child(i);
            }
        }
        return;
    }
    shape_ = shape;
    tree_->clear();
    tree_->invisibleRootItem()->addChildren(root.takeChildren());
    tree_->expandAll();
}

void OutlineDock::addBlocks(const std::vector<ScriptBlock>& blocks, QTreeWidgetItem* parent, QStringList& shape) {
    for (const ScriptBlock& block : blocks) {
        auto* item = new QTreeWidgetItem(parent, {boxTextFromEngine(block.name)});
        item->setData(0, kStartRole, static_cast<int>(block.start));
        item->setData(0, kLengthRole, static_cast<int>(block.keywordLength));
        item->setForeground(0, block.kind == BlockKind::kEvery ? QColor(150, 200, 255) : QColor(230, 200, 140));
        shape << item->text(0);
        addBlocks(block.children, item, shape);
        shape << QStringLiteral("end");
    }
}

void OutlineDock::goTo(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    box_.selectRange(item->data(0, kStartRole).toInt(), item->data(0, kLengthRole).toInt());
    box_.ensureCursorVisible();
}

}  // namespace corvane
