#pragma once
// frmCommandList, frmVariableList, frmKeywords: one read-only list of the language's words.

#include <QMdiSubWindow>

class QPlainTextEdit;

namespace corvane {

class ReferenceListWindow final : public QMdiSubWindow {
    Q_OBJECT

public:
    struct Kind {
        QString windowName;   // "frmCommandList"
        QString caption;      // "Commands"
        QString textBoxName;  // "txtCommands"
    };

    ReferenceListWindow(const Kind& kind, const QString& listText, QWidget* parent = nullptr);

    QPlainTextEdit* textBox() const { return text_; }

    static Kind commands();
    static Kind variables();
    static Kind keywords();

private:
    QPlainTextEdit* text_;
};

}  // namespace corvane
