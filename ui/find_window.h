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

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    EditorContext& context_;
    std::function<ScriptTextBox*()> scriptBox_;
    QLineEdit* txtFind_;
    QPushButton* cmdFindNext_;
};

}  // namespace corvane
