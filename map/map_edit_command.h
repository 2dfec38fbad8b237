#pragma once
// An undoable edit of the open level given as the two states to go between: a marker move or a
// change of the alliances. The window knows how to show a state; the command only keeps them.

#include <QUndoCommand>

#include <functional>

namespace corvane {

class MapEditCommand final : public QUndoCommand {
public:
    MapEditCommand(const QString& text, std::function<void()> undo, std::function<void()> redo);

    void undo() override { undo_(); }
    void redo() override { redo_(); }

private:
    std::function<void()> undo_, redo_;
};

}  // namespace corvane
