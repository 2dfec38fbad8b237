#pragma once
// An undoable change of a text field's text (AI script numbers, alliance masks). Typing in one field
// makes one step: consecutive changes of the same field merge, and a field typed back to where it
// started drops out of the history.

#include <QPointer>
#include <QString>
#include <QUndoCommand>

class QLineEdit;

namespace corvane {

class FieldEditCommand final : public QUndoCommand {
public:
    FieldEditCommand(QLineEdit* field, QString before, QString after);

    void undo() override;
    void redo() override;
    int id() const override { return kId; }
    bool mergeWith(const QUndoCommand* other) override;

private:
    static constexpr int kId = 1;
    QPointer<QLineEdit> field_;
    QString before_, after_;

    void show(const QString& text);
};

}  // namespace corvane
