#pragma once
// The folding margin between the line numbers and the script: a marker beside each "{" whose
// block spans lines; a click folds or unfolds it. Folding only hides the lines between the braces
// from view: the text stays in the box, so it is saved, compiled, searched and copied unchanged.
// The caret reaching a hidden line unfolds what hides it.

#include <QList>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "assist/fold_ranges.h"

namespace corvane {

class FoldEllipsis;
class ScriptTextBox;

class FoldMargin final : public QWidget {
    Q_OBJECT

public:
    explicit FoldMargin(ScriptTextBox& box);

    // Folds or unfolds the block whose "{" stands on the line `blockNumber` (from 0); false when
    // no block that can fold begins there.
    bool toggleFoldAt(int blockNumber);
    bool isFolded(int blockNumber) const;
    void unfoldAll();
    // The text's blocks again: folds whose "{" went away or lost its partner open.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    void applyFolds();
    void caretMoved();
    void contentsChange(int from, int removed, int added);
    // The foldable block whose "{" stands on the line; nullptr for none.
    const FoldRange* rangeOnLine(int blockNumber) const;
    // The first foldable block whose "{" stands at the box position or after it.
    std::vector<FoldRange>::const_iterator firstRangeFrom(int position) const;
    // The foldable block whose "{" stands at the box position; nullptr for none.
    const FoldRange* rangeOpeningAt(int position) const;

    ScriptTextBox& box_;
    QWidget* viewport_;  // kept: while the box is destroyed its viewport still sends events
    FoldEllipsis* ellipsis_;
    std::vector<FoldRange> ranges_;  // by their "{"
    QList<QTextCursor> folded_;      // at the "{" of each folded block; they move with the author's edits
    QTimer refreshLater_;            // once per burst of edits
    bool applying_ = false;
};

}  // namespace corvane
