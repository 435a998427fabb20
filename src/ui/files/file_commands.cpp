#include "ui/files/file_commands.h"

#include "core/script/script_text.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/documents/script_file.h"
#include "ui/panes/definition_tie.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <optional>

namespace defwright {
namespace {

// The dialogs live as long as the window, so each offers its last folder and
// name again. Neither adds a suffix, checks that the file exists or asks about
// replacing it: Save As asks that itself. Qt's dialog has no read-only check box.
QFileDialog* createDialog(QWidget* window, const QString& name, QFileDialog::AcceptMode acceptMode)
{
    auto* dialog = new QFileDialog(window);
    dialog->setObjectName(name);
    dialog->setAcceptMode(acceptMode);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilter(FileCommands::tr("Script Files (*.scp)"));
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

std::optional<QString> chosenPath(QFileDialog* dialog)
{
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

} // namespace

FileCommands::FileCommands(QMainWindow* window, FrontDocument* front, Panes panes)
    : QObject(window)
    , window_(window)
    , front_(front)
    , panes_(panes)
    , questions_(window)
    , diaOpen_(createDialog(window, QStringLiteral("diaOpen"), QFileDialog::AcceptOpen))
    , diaSave_(createDialog(window, QStringLiteral("diaSave"), QFileDialog::AcceptSave))
    , recentFiles_(new RecentFiles(front->panes(), this))
{
    connect(recentFiles_, &RecentFiles::chosen, this, &FileCommands::openRecent);
    mnuNew_ = action("mnuNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), &FileCommands::mnuNew_Click);
    mnuOpen_ = action("mnuOpen", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), &FileCommands::mnuOpen_Click);
    mnuSave_ = action("mnuSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &FileCommands::mnuSave_Click);
    mnuSaveAs_ = action("mnuSaveAs", tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_A),
                        &FileCommands::mnuSaveAs_Click);
    mnuClose_ = action("mnuClose", tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_W), &FileCommands::mnuClose_Click);
    window->addAction(mnuClose_); // its key works wherever the focus is in the window
    mnuOpenNpc_ = action("mnuOpenNpc", tr("Open &NPC Script..."), {}, &FileCommands::mnuOpenNpc_Click);
    mnuSaveNpcAs_ = action("mnuSaveNpcAs", tr("Save NPC Script &As..."), {}, &FileCommands::mnuSaveNpcAs_Click);
    mnuExit_ = action("mnuExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &FileCommands::mnuExit_Click);
    for (DocumentTabs* pane : front->panes())
        connect(pane, &DocumentTabs::closeRequested, this, &FileCommands::close);
    connect(front, &FrontDocument::frontChanged, this, &FileCommands::enableClose);
    enableClose();
}

QAction* FileCommands::action(const char* name, const QString& caption, const QKeySequence& shortcut,
                              void (FileCommands::*slot)())
{
    auto* created = new QAction(caption, this);
    created->setObjectName(QString::fromLatin1(name));
    created->setShortcut(shortcut);
    connect(created, &QAction::triggered, this, slot);
    return created;
}

void FileCommands::addMenu(QMenuBar* menuBar)
{
    QMenu* fileMenu = menuBar->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    fileMenu->addActions({mnuNew_, mnuOpen_});
    QMenu* recentMenu = fileMenu->addMenu(tr("Open &Recent"));
    recentMenu->setObjectName(QStringLiteral("mnuRecent"));
    recentFiles_->showIn(recentMenu);
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep"));
    fileMenu->addActions({mnuSave_, mnuSaveAs_, mnuClose_});
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepNpc"));
    fileMenu->addActions({mnuOpenNpc_, mnuSaveNpcAs_});
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    fileMenu->addAction(mnuExit_);
}

QList<QKeySequence> FileCommands::shortcuts() const
{
    return {mnuNew_->shortcut(),    mnuOpen_->shortcut(),  mnuSave_->shortcut(),
            mnuSaveAs_->shortcut(), mnuClose_->shortcut(), mnuExit_->shortcut()};
}

void FileCommands::mnuNew_Click()
{
    newScript(panes_.item);
}

void FileCommands::mnuOpen_Click()
{
    open(panes_.item);
}

void FileCommands::mnuSave_Click()
{
    save();
}

void FileCommands::mnuSaveAs_Click()
{
    saveAs(panes_.item);
}

void FileCommands::mnuClose_Click()
{
    close(front_->document());
}

void FileCommands::mnuOpenNpc_Click()
{
    open(panes_.npc);
}

void FileCommands::mnuSaveNpcAs_Click()
{
    saveAs(panes_.npc);
}

// Ends the program at once: nothing asks about unsaved script text, which
// the session keeper keeps as the window closes.
void FileCommands::mnuExit_Click()
{
    window_->close();
}

void FileCommands::enableClose()
{
    mnuClose_->setEnabled(!front_->document()->isFormScript());
}

void FileCommands::newScript(DocumentTabs* pane)
{
    PaneDocument* form = pane->form();
    front_->bringToFront(form);
    if (pane->tiedDocument() == form)
        pane->tie()->end();
    form->startWithoutFile(QString::fromStdString(bannerText()));
}

void FileCommands::open(DocumentTabs* pane)
{
    if (const std::optional<QString> path = chosenPath(diaOpen_))
        openFile(pane, *path);
}

// A file open already is not read again: its document, with whatever it holds
// that is not saved, is the file.
PaneDocument* FileCommands::openFile(DocumentTabs* pane, const QString& path, Remember remember)
{
    if (remember == Remember::Yes)
        diaOpen_->selectFile(path);
    PaneDocument* document = front_->documentOf(path);
    if (document == nullptr) {
        ScriptFile::Contents contents = withWaitCursor([&path] { return ScriptFile(path).read(); });
        if (!contents.error.isEmpty()) {
            questions_.cannotOpen(path, contents.error);
            return nullptr;
        }
        document = withWaitCursor([&] { return pane->open(path, contents.format, contents.script); });
    }
    front_->bringToFront(document);
    if (remember == Remember::Yes)
        recentFiles_->add(document->filePath(), front_->tabsOf(document));
    return document;
}

// A file that has gone since is taken off the list rather than offered again.
void FileCommands::openRecent(const QString& path, DocumentTabs* pane)
{
    if (front_->documentOf(path) == nullptr && !QFileInfo::exists(path)) {
        recentFiles_->remove(path);
        questions_.cannotOpen(path, tr("The file is no longer there; it was taken off the recent files."));
        return;
    }
    openFile(pane, path);
}

void FileCommands::save()
{
    saveDocument(front_->document());
}

// Writes the document to its own file, in that file's format.
bool FileCommands::saveDocument(PaneDocument* document)
{
    const QString path = document->filePath();
    if (path.isEmpty()) {
        questions_.showMessage(QMessageBox::NoIcon, tr("Use Save As...  Save will be finished soon."));
        return false;
    }
    if (const QString reason = ScriptFile(path).notAFileReason(); !reason.isEmpty()) {
        questions_.cannotSave(path, reason);
        return false;
    }
    if (document->fileChangedOnDisk() && !questions_.confirmOverwriteChanged(path))
        return false;
    return writeFile(document, path);
}

// The dialog starts where the document's file is, and offers its name.
void FileCommands::saveAs(DocumentTabs* pane)
{
    PaneDocument* document = pane->front();
    if (!document->filePath().isEmpty())
        diaSave_->selectFile(document->filePath());
    const std::optional<QString> path = chosenPath(diaSave_);
    if (!path) {
        questions_.showMessage(QMessageBox::Information, tr("Cancel was pressed"));
        return;
    }
    if (const QString reason = ScriptFile(*path).notAFileReason(); !reason.isEmpty()) {
        questions_.cannotSave(*path, reason);
        return;
    }
    if (heldElsewhere(document, *path))
        return;
    if (QFileInfo(*path).isFile() && !questions_.confirmOverwrite(*path))
        return;
    if (writeFile(document, *path))
        recentFiles_->add(*path, pane);
}

// Two documents of one file would each write over the other's text.
bool FileCommands::heldElsewhere(const PaneDocument* document, const QString& path) const
{
    const PaneDocument* holder = front_->documentOf(path);
    if (holder == nullptr || holder == document)
        return false;
    questions_.cannotSave(path, tr("The file is open in another tab. Close it there first, or save under another name."));
    return true;
}

bool FileCommands::writeFile(PaneDocument* document, const QString& path)
{
    EncodedScript encoded = withWaitCursor([document] { return document->encoded(); });
    if (encoded.unencodable > 0) {
        const FileQuestions::Unencodable answer = questions_.askUnencodable(encoded.unencodable);
        if (answer == FileQuestions::Unencodable::Cancel)
            return false;
        if (answer == FileQuestions::Unencodable::SaveAsUtf8) {
            document->setEncoding(TextEncoding::Utf8);
            encoded = withWaitCursor([document] { return document->encoded(); });
        }
    }
    const QString error = withWaitCursor([&path, &encoded] { return ScriptFile(path).write(encoded.bytes); });
    if (!error.isEmpty()) {
        questions_.cannotSave(path, error);
        return false;
    }
    document->markSaved(path);
    return true;
}

bool FileCommands::close(PaneDocument* document)
{
    DocumentTabs* pane = front_->tabsOf(document);
    if (pane == nullptr || document->isFormScript())
        return false;
    if (document->isModified()) {
        front_->bringToFront(document);
        const auto answer = questions_.askClosing(QFileInfo(document->filePath()).fileName());
        if (answer == FileQuestions::Closing::Cancel
            || (answer == FileQuestions::Closing::Save && !saveDocument(document)))
            return false;
    }
    pane->close(document);
    return true;
}

} // namespace defwright
