#pragma once
// Signature help: while the author types a DO command's parameters, a small line above the caret
// shows the command with its parameter kinds, the one being typed marked. It never takes the
// focus or a key; Esc hides it until the next word is typed.

#include <QLabel>

namespace corvane {

struct EditorContext;
class ScriptTextBox;

class SignaturePopup final : public QLabel {
    Q_OBJECT

public:
    SignaturePopup(EditorContext& context, ScriptTextBox& box);

    // Shows the help for the caret's place, or hides it where there is none.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    EditorContext& context_;
    ScriptTextBox& box_;
};

}  // namespace corvane
