#pragma once
// The completion list at the caret. It lives inside the script box and never takes the focus:
// while it is shown it takes Up, Down, Page Up, Page Down, Enter, Tab and Esc from the box; while
// it is hidden it takes no key at all. The list narrows to the words that begin with what stands
// between the start of the word and the caret.

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void narrow();
    void moveCurrent(int rows);
    void place();
    QString typedPart() const;

    ScriptTextBox& box_;
    QTreeWidget* list_;
    int wordStart_ = 0;
    std::vector<CompletionCandidate> candidates_;
};

}  // namespace corvane
