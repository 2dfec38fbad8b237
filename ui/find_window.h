#pragma once
// frmFind: searches the script text forward from the caret, without regard to letter case.

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;

namespace corvane {

struct EditorContext;
class ScriptTextBox;

class FindWindow final : public QWidget {
    Q_OBJECT

public:
    // `scriptBox` gives the script window's text box, creating the window if needed.
    FindWindow(EditorContext& context, std::function<ScriptTextBox*()> scriptBox, QWidget* parent = nullptr);

    QLineEdit* searchBox() const { return txtFind_; }

    // The search: from one character after the selection start; no wrap-around.
    void findNext();

    // Shows the window with the keyboard focus in its box, the text selected.
    void showForTyping();

    // The program ends: when Qt closes the window then, its text is not stored.
    void programEnds() { programEnding_ = true; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;  // Esc closes

private:
    EditorContext& context_;
    std::function<ScriptTextBox*()> scriptBox_;
    QLineEdit* txtFind_;
    QPushButton* cmdFindNext_;
    bool programEnding_ = false;
};

}  // namespace corvane
