#pragma once
// The engine's script assistance in the script box: problems marked shortly after typing stops
// (wave underlines, the Problems list, the status bar), matching block words, the current line,
// hover help, completion, layout, go to line and text zoom. A "}" typed at a line's start takes one
// tab back. What would change the box's specified look and typing (syntax colours, completion while
// typing) waits for setTypingAssist(true); the closing words of a block just opened for
// setCloseBlocks(true).

#include <QList>
#include <QObject>
#include <QTextCursor>
#include <QTimer>
#include <cstddef>
#include <string>
#include <vector>

#include "ui/script_problem.h"

namespace corvane {

class BackgroundCheck;
struct Diagnostic;
struct EditorContext;
class CompletionPopup;
class LineNumberArea;
class ProblemsDock;
class ScriptHighlighter;
class ScriptHost;
class ScriptTextBox;

class ScriptAssistant final : public QObject {
    Q_OBJECT

public:
    // The pause after the last change before the text is checked.
    static constexpr int kPauseMilliseconds = 300;
    // The most problems marked and listed; a script the game can read has far fewer.
    static constexpr std::size_t kMaxMarkedProblems = 1000;

    ScriptAssistant(EditorContext& context, ScriptHost& host, ScriptTextBox& box, ProblemsDock& dock);
    ~ScriptAssistant() override;

    // Checks the text now (a loaded script) instead of at the next pause, and marks its problems
    // before returning.
    void checkNow();
    // The check at a pause runs on a worker; this waits until the newest one is marked.
    void waitForCheck();
    const std::vector<ScriptProblem>& problems() const { return problems_; }
    // The problem whose word holds or touches the box position; -1 for none.
    int problemAt(int position) const;
    // Marks besides the problems' (the replace bar's matches); empty to take them away.
    void setSearchMarks(const QList<QTextCursor>& marks);

    void nextProblem();
    void previousProblem();
    void showProblem(int index);
    void complete();
    // The whole text laid out as the loader prints it, the words kept: one undo step.
    void formatScript();
    void goToLine();
    void zoomBy(int steps);  // 0 goes back to 100 %
    int zoom() const;

    void setTypingAssist(bool on);
    void setCloseBlocks(bool on) { closeBlocks_ = on; }

    CompletionPopup& completionPopup() const { return *popup_; }
    QTimer& pauseTimer() { return pause_; }

signals:
    // The problems of a check are marked: the moment for other views of the text to follow.
    void problemsShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void textChanged();
    void startCheck();
    void showFound(const std::vector<Diagnostic>& found);
    void caretMoved();
    void typed(const QString& text);
    void dedentClosingBrace();
    // Enter after a "{" whose closing words are missing: the new line between the brace and them.
    bool insertClosers();
    bool showHover(QEvent* event);
    void colourShownLines();
    void showMarks();
    void showProblemUnderCaret();

    EditorContext& context_;
    ScriptHost& host_;
    ScriptTextBox& box_;
    // Kept apart from box_: while the box is being destroyed its viewport still sends events, and
    // the box can no longer be asked for it.
    QWidget* viewport_;
    ProblemsDock& dock_;
    ScriptHighlighter* highlighter_;
    LineNumberArea* lineNumbers_;
    CompletionPopup* popup_;
    QTimer pause_;
    QTimer colourShown_;  // at the next turn of the event loop, once per burst of scrolls and edits
    BackgroundCheck* check_;
    std::vector<ScriptProblem> problems_;
    QList<QTextCursor> searchMarks_;
    bool statusShowsProblem_ = false;
    bool typingAssist_ = false;
    bool closeBlocks_ = false;
};

}  // namespace corvane
