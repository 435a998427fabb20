#pragma once

#include "ui/documents/folder_edits.h"

#include <QString>
#include <QUndoCommand>

#include <vector>

namespace defwright {

/// One action of the table, across files, as its undo stack keeps it: the
/// edits that take every file back, and those that make it again. The
/// stack keeps the record only: writing can fail, so the table's writer
/// writes the files first and moves the stack once they are written.
class TableAction : public QUndoCommand {
public:
    TableAction(const QString& caption, std::vector<FileEdits> undo, std::vector<FileEdits> redo);

    [[nodiscard]] const std::vector<FileEdits>& undoEdits() const { return undo_; }
    [[nodiscard]] const std::vector<FileEdits>& redoEdits() const { return redo_; }

    void undo() override {}
    void redo() override {}

private:
    std::vector<FileEdits> undo_;
    std::vector<FileEdits> redo_;
};

} // namespace defwright
