#pragma once
// The "Outline" beside the script: its EVERY and IF blocks, nested as they stand, renewed with the
// problem marks at each pause in typing. Clicking a block puts the caret on its first word.

#include <QDockWidget>
#include <cstddef>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace corvane {

class ScriptTextBox;
struct ScriptBlock;

class OutlineDock final : public QDockWidget {
    Q_OBJECT

public:
    explicit OutlineDock(ScriptTextBox& box, QWidget* parent = nullptr);

    // Reads the blocks of the box's text again.
    void refresh();
    QTreeWidget* tree() const { return tree_; }

private:
    void addBlocks(const std::vector<ScriptBlock>& blocks, QTreeWidgetItem* parent, QStringList& shape);
    void goTo(QTreeWidgetItem* item);

    ScriptTextBox& box_;
    QTreeWidget* tree_;
    QStringList shape_;  // the names in tree order with their depth: the tree is rebuilt only when it changes
};

}  // namespace corvane
