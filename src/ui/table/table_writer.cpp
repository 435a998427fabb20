#include "ui/table/table_writer.h"

#include "ui/documents/folder_edits.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/index/scripts_index.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/table_action.h"

#include <QUndoStack>

namespace defwright {
namespace {

// Each action keeps the texts its files had before and after it.
constexpr int kUndoLimit = 100;

} // namespace

TableWriter::TableWriter(const Parts& parts, QObject* parent)
    : QObject(parent)
    , parts_(parts)
    , stack_(new QUndoStack(this))
{
    stack_->setUndoLimit(kUndoLimit);
}

bool TableWriter::write(std::vector<PlannedFile> files, const QString& caption)
{
    const TableSources& sources = parts_.model->sources();
    std::vector<FileEdits> edits;
    for (PlannedFile& file : files)
        edits.push_back({sources.paths.at(file.file), std::move(file.edits), sources.texts.at(file.file)});
    FolderEditOutcome outcome = parts_.edits->apply(edits);
    if (!outcome.error.isEmpty()) {
        emit told(tr("%1 failed: %2").arg(caption, outcome.error));
        return false;
    }
    follow(outcome);
    const int count = outcome.documents + outcome.written;
    emit told(count == 1 ? tr("%1: 1 file changed").arg(caption) : tr("%1: %L2 files changed").arg(caption).arg(count));
    stack_->push(new TableAction(caption, std::move(outcome.undo), std::move(outcome.redo)));
    return true;
}

// The texts written are what the table reads again; a document out of sight
// is no edit the index would hear of.
void TableWriter::follow(const FolderEditOutcome& outcome)
{
    std::vector<std::pair<std::uint32_t, std::shared_ptr<const std::string>>> texts;
    for (const FileEdits& file : outcome.undo) {
        const qsizetype number = parts_.model->sources().paths.indexOf(file.path);
        if (number >= 0)
            texts.emplace_back(static_cast<std::uint32_t>(number), file.basis);
        if (const PaneDocument* document = parts_.front->documentOf(file.path); document && document->isModified())
            parts_.index->setPaneText(file.path, std::string(document->editor().bytes()));
        else if (document != nullptr)
            parts_.index->forgetPaneText(file.path);
    }
    parts_.model->readFilesAgain(texts);
}

void TableWriter::undo()
{
    if (!stack_->canUndo())
        return;
    const auto* action = static_cast<const TableAction*>(stack_->command(stack_->index() - 1));
    const FolderEditOutcome outcome = parts_.edits->apply(action->undoEdits());
    if (!outcome.error.isEmpty()) {
        emit told(tr("Cannot undo %1: %2").arg(action->text(), outcome.error));
        return;
    }
    follow(outcome);
    emit told(tr("Undone: %1").arg(action->text()));
    stack_->undo();
}

void TableWriter::redo()
{
    if (!stack_->canRedo())
        return;
    const auto* action = static_cast<const TableAction*>(stack_->command(stack_->index()));
    const FolderEditOutcome outcome = parts_.edits->apply(action->redoEdits());
    if (!outcome.error.isEmpty()) {
        emit told(tr("Cannot redo %1: %2").arg(action->text(), outcome.error));
        return;
    }
    follow(outcome);
    emit told(tr("Redone: %1").arg(action->text()));
    stack_->redo();
}

} // namespace defwright
