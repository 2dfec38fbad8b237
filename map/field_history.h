#pragma once
// Puts what the user types into watched text fields on an undo stack, one FieldEditCommand per
// change (merged per field). Texts set by the program are not edits but become the new starting
// point of the next one.

#include <QHash>
#include <QObject>
#include <QString>

class QLineEdit;
class QUndoStack;

namespace corvane {

class FieldHistory : public QObject {
    Q_OBJECT

public:
    FieldHistory(QUndoStack& stack, QObject* parent = nullptr);
    void watch(QLineEdit* field);

private:
    QUndoStack& stack_;
    QHash<QLineEdit*, QString> settled_;  // each field's text after its last edit or change by the program
};

}  // namespace corvane
