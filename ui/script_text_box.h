#pragma once
// txtScript: the script text. Typed text is pink, Enter keeps the line's indentation, and every
// key and mouse movement asks for fresh context help.

#include <QTextEdit>

namespace corvane {

class ScriptTextBox final : public QTextEdit {
    Q_OBJECT

public:
    explicit ScriptTextBox(QWidget* parent = nullptr);

    // Replaces the whole text (a new or loaded script): light blue, 8 points, caret at the start,
    // no undo history and not modified.
    void setScriptText(const QString& text);

    // Selects `length` characters from `start` (box positions) and takes the focus.
    void selectRange(int start, int length);

    // Tabs between the start of the caret's line and the caret.
    int tabsBeforeCaret() const;

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
    void insertIndentedLineBreak(int tabs);

    int numbersWidth_ = 0;
    int foldWidth_ = 0;
};

}  // namespace corvane
