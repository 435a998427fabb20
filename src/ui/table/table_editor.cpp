#include "ui/table/table_editor.h"

#include "core/table/cell_changes.h"
#include "ui/documents/pane_document.h"
#include "ui/index/scripts_index.h"
#include "ui/table/cell_text.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/table_writer.h"

#include <numeric>
#include <set>

namespace defwright {

TableEditor::TableEditor(const Parts& parts, QObject* parent)
    : QObject(parent)
    , parts_(parts)
{
}

bool TableEditor::change(const std::vector<CellChange>& changes, const QString& caption)
{
    if (parts_.model->table() == nullptr)
        return false;
    if (parts_.index->isBuilding() || loadsOtherFiles(parts_.index->index(), parts_.model->sources())) {
        emit told(tr("The scripts folder's files have changed, so the table is read again. Nothing was changed."));
        emit tableStale();
        return false;
    }
    if (!readChangedFiles(changes))
        return false;
    const CellPlan plan = planCellChanges(*parts_.model->table(), parts_.model->sources().textViews(), changes);
    if (refuse(changes, plan))
        return false;
    if (plan.files.empty()) {
        emit told(tr("Nothing to change: the cells say that already."));
        return false;
    }
    std::vector<PlannedFile> files;
    for (const TableFileEdits& file : plan.files)
        files.push_back({file.file, file.edits});
    return parts_.writer->write(std::move(files), caption);
}

// What a document holds wins over what the index read, and what the index
// read last over the text the table was read from. A file on disk that
// changed since the index read it is the folder edits' to refuse.
TableEditor::FileTexts TableEditor::changedTexts(const std::vector<std::uint32_t>& files) const
{
    const TableSources& sources = parts_.model->sources();
    const QHash<QString, PaneDocument*> documents = fileDocuments(*parts_.front);
    const FolderIndex& index = parts_.index->index();
    FileTexts changed;
    for (const std::uint32_t file : files) {
        const QString& path = sources.paths[static_cast<qsizetype>(file)];
        std::shared_ptr<const std::string> indexed = index.summary(sources.indexFiles[file]).text;
        const PaneDocument* document = documents.value(path);
        if (document == nullptr && (indexed == sources.indexTexts[file] || !indexed))
            continue;
        parts_.model->noteIndexText(file, indexed);
        const std::string_view now = document ? document->editor().bytes() : std::string_view(*indexed);
        if (now != *sources.texts[file])
            changed.emplace_back(file, document ? std::make_shared<const std::string>(now) : indexed);
    }
    return changed;
}

// The edits are planned on what the files hold now: a file changed since the
// table read it is read again first, and when it then holds more or fewer
// definitions, the rows are others and the action stops.
bool TableEditor::readChangedFiles(const std::vector<CellChange>& changes)
{
    const DefinitionTable& table = *parts_.model->table();
    std::set<std::uint32_t> files;
    for (const CellChange& change : changes) {
        if (change.row < table.rows().size())
            files.insert(table.row(change.row).file);
    }
    const FileTexts changed = changedTexts({files.begin(), files.end()});
    if (changed.empty() || parts_.model->readFilesAgain(changed))
        return true;
    emit told(tr("%1 has changed since the table read it, and the table now shows it anew. Nothing was changed.")
                  .arg(textOf(parts_.model->sources().shown[changed.front().first])));
    return false;
}

bool TableEditor::refuse(const std::vector<CellChange>& changes, const CellPlan& plan)
{
    if (plan.refused.empty())
        return false;
    const RefusedChange& first = plan.refused.front();
    const CellChange& change = changes[first.change];
    const DefinitionTable& table = *parts_.model->table();
    const QString name = change.row < table.rows().size() ? textOf(table.row(change.row).name) : QString();
    const QString reason = textOf(kCellRefusalTexts[static_cast<std::size_t>(first.reason)]);
    QString message = tr("Nothing was changed: %1 of %2: %3").arg(textOf(change.key), name, reason);
    if (plan.refused.size() > 1)
        message += QLatin1Char(' ') + tr("(%L1 cells refused in all)").arg(plan.refused.size());
    emit told(message);
    return true;
}

void TableEditor::followFiles()
{
    if (parts_.model->table() == nullptr)
        return;
    std::vector<std::uint32_t> files(parts_.model->sources().size());
    std::iota(files.begin(), files.end(), 0u);
    parts_.model->readFilesAgain(changedTexts(files));
}

} // namespace defwright
