#pragma once
// The replace bar above the script (Ctrl+H): Next and Previous, Replace, Replace All, whole
// words, letter case, wrap-around, and every match marked while the bar is open. The Find window
// stays what Ctrl+F opens; this bar is the editor's own.

#include <QTimer>
#include <QToolBar>
#include <vector>

#include "assist/text_search.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace corvane {

class ScriptAssistant;
class ScriptTextBox;

class ReplaceBar final : public QToolBar {
    Q_OBJECT

public:
    // The most matches marked at once; the count goes on beyond them.
    static constexpr std::size_t kMaxMarkedMatches = 2000;

    ReplaceBar(ScriptTextBox& box, ScriptAssistant& assistant, QWidget* parent = nullptr);

    // Shows the bar with the focus in its search box; a selection within one line becomes the
    // search text.
    void openForTyping();
    // Hides the bar, takes its marks away and gives the focus back to the script.
    void closeBar();

    void findNext();
    void findPrevious();
    void replace();
    void replaceAll();

    QLineEdit* searchBox() const { return search_; }
    QLineEdit* replacementBox() const { return replacement_; }
    QLabel* countLabel() const { return count_; }
    SearchOptions options() const;
    void setOptions(const SearchOptions& options);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string needle() const;
    void showMatch(const std::optional<FoundMatch>& found);
    // Finds and marks every match anew: after a change of the text, the search or its options.
    void markMatches();
    // "2 of 5" for the caret's place among the matches last marked.
    void showCount();

    ScriptTextBox& box_;
    ScriptAssistant& assistant_;
    QLineEdit* search_;
    QLineEdit* replacement_;
    QCheckBox* matchCase_;
    QCheckBox* wholeWords_;
    QCheckBox* wrapAround_;
    QLabel* count_;
    QTimer markLater_;                  // once per burst of edits
    std::vector<std::size_t> matches_;  // where the search text stood when it was last marked
    bool wrapped_ = false;
};

}  // namespace corvane
