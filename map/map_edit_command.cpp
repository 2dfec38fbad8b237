#include "map/map_edit_command.h"

namespace corvane {

MapEditCommand::MapEditCommand(const QString& text, std::function<void()> undo, std::function<void()> redo)
    : QUndoCommand(text), undo_(std::move(undo)), redo_(std::move(redo)) {}

}  // namespace corvane
