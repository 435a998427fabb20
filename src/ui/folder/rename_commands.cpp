#include "ui/folder/rename_commands.h"

#include "core/index/definition_name.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/documents/script_file.h"
#include "ui/folder/name_at_focus.h"
#include "ui/folder/rename_dialog.h"
#include "ui/folder/rename_preview_dialog.h"
#include "ui/index/index_paths.h"
#include "ui/index/pane_text.h"
#include "ui/panes/pane_caret.h"
#include "ui/index/scripts_index.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace defwright {
namespace {

constexpr int kMessageTime = 15000;

QString placesInFiles(const FolderEditOutcome& outcome)
{
    const QString places = outcome.places == 1 ? RenameCommands::tr("1 place")
                                                : RenameCommands::tr("%L1 places").arg(outcome.places);
    return RenameCommands::tr("%1 in %L2 files (%L3 written, %L4 changed in their open documents)")
        .arg(places)
        .arg(outcome.written + outcome.documents)
        .arg(outcome.written)
        .arg(outcome.documents);
}

} // namespace

RenameCommands::RenameCommands(const Parts& parts, QMenu* scriptMenu)
    : QObject(parts.window)
    , parts_(parts)
    , mnuRename_(new QAction(tr("&Rename Definition..."), this))
    , mnuUndoRename_(new QAction(tr("&Undo Rename"), this))
{
    mnuRename_->setObjectName(QStringLiteral("mnuRename"));
    mnuRename_->setShortcut(QKeySequence(Qt::Key_F2));
    // F2 renames from a script pane alone: elsewhere the key is the control's own, as a table's to edit a cell.
    mnuRename_->setShortcutContext(Qt::WidgetShortcut);
    for (const DocumentTabs* pane : {parts.item, parts.npc})
        pane->pane()->addAction(mnuRename_);
    mnuUndoRename_->setObjectName(QStringLiteral("mnuUndoRename"));
    mnuUndoRename_->setEnabled(false);
    scriptMenu->addActions({mnuRename_, mnuUndoRename_});
    connect(mnuRename_, &QAction::triggered, this, &RenameCommands::mnuRename_Click);
    connect(mnuUndoRename_, &QAction::triggered, this, &RenameCommands::mnuUndoRename_Click);
}

QList<QKeySequence> RenameCommands::shortcuts() const
{
    return {mnuRename_->shortcut()};
}

// The name at the caret of the document in front, if the folder defines it;
// else the status bar says why there is nothing to rename.
QString RenameCommands::nameToRename() const
{
    const QString name = nameAtCaret(*parts_.front->document()->pane());
    if (name.isEmpty() || parts_.index->folder().isEmpty()) {
        parts_.statusBar->showMessage(name.isEmpty() ? tr("No name at the caret to rename")
                                                     : tr("No scripts folder to rename in: open a script of one, or "
                                                          "choose one with Scripts Folder..."),
                                      kMessageTime);
        return {};
    }
    waitForIndex(parts_.index);
    const FolderIndex& index = parts_.index->index();
    const std::string old = name.toStdString();
    if (isDefinitionName(old) && !index.lookup(old).empty())
        return name;
    parts_.statusBar->showMessage(QString::fromStdString(renameProblem(index, old, old)), kMessageTime);
    return {};
}

void RenameCommands::mnuRename_Click()
{
    const QString oldName = nameToRename();
    if (oldName.isEmpty())
        return;
    const std::string old = oldName.toStdString();
    RenamePlan planned;
    RenameDialog ask(
        oldName,
        [this, &old](const QString& typed) {
            return QString::fromStdString(renameProblem(parts_.index->index(), old, typed.toStdString()));
        },
        [this, &old, &planned](const QString& typed) {
            planned = plan(old, typed.toStdString());
            return QString::fromStdString(planned.error);
        },
        parts_.window);
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString newName = ask.newName();
    RenamePreviewDialog preview(
        planned, parts_.index->folder(), tr("Rename %1 to %2").arg(oldName, newName),
        [&](const RenamePreviewDialog::Chosen& chosen) { return apply(planned, chosen, oldName, newName); },
        parts_.window);
    preview.exec();
}

// Each file's text as it is now, kept as what its edits are planned on.
RenamePlan RenameCommands::plan(const std::string& oldName, const std::string& newName)
{
    planned_.clear();
    return planRename(parts_.index->index(), oldName, newName,
                      [this](const std::filesystem::path& file) { return textOf(file); });
}

std::optional<std::string> RenameCommands::textOf(const std::filesystem::path& file)
{
    const QString path = toQString(file);
    std::shared_ptr<const std::string> text;
    if (const PaneDocument* document = parts_.front->documentOf(path)) {
        text = std::make_shared<const std::string>(document->editor().bytes());
    } else {
        ScriptFile::Contents read = ScriptFile(path).read();
        if (!read.error.isEmpty())
            return std::nullopt;
        text = std::make_shared<const std::string>(std::move(read.script));
    }
    planned_.insert(path, text);
    return *text;
}

QString RenameCommands::apply(const RenamePlan& plan, const RenamePreviewDialog::Chosen& chosen,
                              const QString& oldName, const QString& newName)
{
    std::vector<FileEdits> files;
    for (std::size_t i = 0; i < plan.files.size(); ++i) {
        const QString path = toQString(plan.files[i].file);
        files.push_back({path, chosenEdits(plan.files[i], chosen.at(i)), planned_.value(path)});
    }
    FolderEditOutcome outcome = parts_.edits->apply(files);
    if (!outcome.error.isEmpty())
        return tr("Nothing was renamed. %1").arg(outcome.error);
    parts_.statusBar->showMessage(tr("Renamed %1 to %2: %3. Script > Undo Rename takes it back.")
                                      .arg(oldName, newName, placesInFiles(outcome)),
                                  kMessageTime);
    last_ = {oldName, newName, std::move(outcome), false};
    offerUndo();
    return {};
}

// Undone, the rename can be made again; each way, the other's edits come back.
void RenameCommands::mnuUndoRename_Click()
{
    FolderEditOutcome outcome = withWaitCursor([this] { return parts_.edits->apply(last_.outcome.undo); });
    const QString what = tr("rename of %1 to %2").arg(last_.oldName, last_.newName);
    if (!outcome.error.isEmpty()) {
        parts_.statusBar->showMessage(tr("The %1 stays as it is. %2").arg(what, outcome.error), kMessageTime);
        return;
    }
    last_.undone = !last_.undone;
    parts_.statusBar->showMessage((last_.undone ? tr("Undid the %1: %2") : tr("Made the %1 again: %2"))
                                      .arg(what, placesInFiles(outcome)),
                                  kMessageTime);
    last_.outcome = std::move(outcome);
    offerUndo();
}

void RenameCommands::offerUndo()
{
    mnuUndoRename_->setText(last_.undone ? tr("R&edo Rename of %1 to %2").arg(last_.oldName, last_.newName)
                                         : tr("&Undo Rename of %1 to %2").arg(last_.oldName, last_.newName));
    mnuUndoRename_->setEnabled(true);
}

} // namespace defwright
