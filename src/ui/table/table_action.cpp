#include "ui/table/table_action.h"

namespace defwright {

TableAction::TableAction(const QString& caption, std::vector<FileEdits> undo, std::vector<FileEdits> redo)
    : QUndoCommand(caption)
    , undo_(std::move(undo))
    , redo_(std::move(redo))
{
}

} // namespace defwright
