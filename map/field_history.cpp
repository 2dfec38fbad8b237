#include "map/field_history.h"

#include "map/field_edit_command.h"

#include <QLineEdit>
#include <QUndoStack>

namespace corvane {

FieldHistory::FieldHistory(QUndoStack& stack, QObject* parent) : QObject(parent), stack_(stack) {}

void FieldHistory::watch(QLineEdit* field) {
    settled_[field] = field->text();
    // A text set by the program clears the field's modified flag; typing sets it (and may report
    // a step between, such as the selection removed before the typed key goes in).
    connect(field, &QLineEdit::textChanged, this, [this, field](const QString& text) {
        if (!field->isModified()) settled_[field] = text;
    });
    connect(field, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        stack_.push(new FieldEditCommand(field, settled_[field], text));
        settled_[field] = text;
    });
}

}  // namespace corvane
