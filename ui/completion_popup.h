#pragma once
// The completion list at the caret: a window of its own over the script box, so that no edge of the
// box cuts it; it opens below the caret, above it where the screen ends, and never takes the focus.
// While it is shown it takes Up, Down, Page Up, Page Down, Enter, Tab and Esc from the box; while it
// is hidden it takes no key at all. The list narrows to the words that begin with what stands
// between the start of the word and the caret, and is as large as its words need.

#include <QFrame>
#include <QString>
#include <vector>

class QTreeWidget;

namespace corvane {

class ScriptTextBox;

struct CompletionCandidate {
    QString word;
    QString detail;
};

class CompletionPopup final : public QFrame {
    Q_OBJECT

public:
    explicit CompletionPopup(ScriptTextBox& box);

    // Shows the candidates for the word that starts at `wordStart` (a box position); stays
    // hidden when none of them fits the part already typed.
    void open(int wordStart, std::vector<CompletionCandidate> candidates);
    void close();
    bool isOpen() const { return isVisible(); }
    QTreeWidget* list() const { return list_; }
    // Replaces the partial word with the chosen candidate, as one undo step.
    void acceptCurrent();

    static constexpr int kMostRowsShown = 10;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void narrow();
    void moveCurrent(int rows);
    void fitToWords();
    void place();
    QString typedPart() const;
    // The word around the caret as it stands, also its part after the caret.
    QString wordAtCaret(int* end = nullptr) const;

    ScriptTextBox& box_;
    QTreeWidget* list_;
    int wordStart_ = 0;
    std::vector<CompletionCandidate> candidates_;
};

}  // namespace corvane
