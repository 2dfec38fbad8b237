#pragma once
// txtScript: the script text. Typed text is pink, Enter keeps the line's indentation (one tab more
// after "{"), Tab and Shift+Tab shift the selected lines, typing is undone word by word, and every
// key and mouse movement asks for fresh context help.

#include <QElapsedTimer>
#include <QTextEdit>
#include <string>

#include "assist/typing_undo_steps.h"

namespace corvane {

class ScriptTextBox final : public QTextEdit {
    Q_OBJECT

public:
    explicit ScriptTextBox(QWidget* parent = nullptr);

    // Replaces the whole text (a new or loaded script): light blue, 8 points, caret at the start,
    // no undo history and not modified.
    void setScriptText(const QString& text);

    // The text as the engine reads it (box_text.h), converted once per change of the text however many
    // views of it ask between two keystrokes.
    const std::string& engineText() const;

    // Selects `length` characters from `start` (box positions), scrolled into view, and takes the focus.
    void selectRange(int start, int length);

    // Room left of the text for the line numbers, and right of them for the folding markers.
    void setLeftMargin(int pixels) {
        numbersWidth_ = pixels;
        setViewportMargins(numbersWidth_ + foldWidth_, 0, 0, 0);
    }
    void setFoldMarginWidth(int pixels) {
        foldWidth_ = pixels;
        setLeftMargin(numbersWidth_);
    }

signals:
    void helpRequested();
    // A key put text into the box (after the box handled it).
    void typed(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void insertIndentedLineBreak();
    // Tab on a selection of several lines and Shift+Tab: one undo step each.
    void shiftSelectedLines(bool outdent);
    // Typing goes on in the undo step of the text before it, unless a word starts or the author paused.
    bool startsUndoStep(const QString& typed);

    mutable std::string engineText_;
    mutable bool engineTextStale_ = true;

    QElapsedTimer lastTyped_;
    TypingUndoSteps undoSteps_;

    int numbersWidth_ = 0;
    int foldWidth_ = 0;
};

}  // namespace corvane
