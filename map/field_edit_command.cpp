#include "map/field_edit_command.h"

#include <QLineEdit>

namespace corvane {

FieldEditCommand::FieldEditCommand(QLineEdit* field, QString before, QString after)
    : field_(field), before_(std::move(before)), after_(std::move(after)) {
    setText(QObject::tr("Edit %1").arg(field->objectName()));
}

void FieldEditCommand::undo() { show(before_); }
void FieldEditCommand::redo() { show(after_); }

void FieldEditCommand::show(const QString& text) {
    // The first redo runs on a field that already shows the typed text; leave its cursor alone.
    if (field_ != nullptr && field_->text() != text) field_->setText(text);
}

bool FieldEditCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const FieldEditCommand*>(other);
    if (next->field_ != field_) return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace corvane
