#include "ui/folder/folder_commands.h"

#include "core/index/folder_script_check.h"
#include "core/index/scripts_folder.h"
#include "ui/folder/folder_check_window.h"
#include "ui/index/index_paths.h"
#include "ui/index/pane_text.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/folder_edits.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "ui/documents/pane_document.h"
#include "ui/index/scripts_index.h"
#include "ui/panes/script_pane.h"
#include "ui/folder/definition_commands.h"
#include "ui/folder/reference_commands.h"
#include "ui/folder/rename_commands.h"
#include "ui/widgets/wait_cursor.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace defwright {
namespace {

constexpr QLatin1StringView kFolderSetting("scriptsFolder");
constexpr int kPaneTextDelay = 400;

} // namespace

FolderCommands::FolderCommands(const Parts& parts, QMenu* scriptMenu)
    : QObject(parts.window)
    , parts_(parts)
    , index_(new ScriptsIndex(this))
    , edits_(new FolderEdits(parts.front, this))
    , indexState_(new QLabel(parts.statusBar))
{
    indexState_->setObjectName(QStringLiteral("lblScriptsIndex"));
    indexState_->setAccessibleName(tr("Scripts folder"));
    parts.statusBar->addPermanentWidget(indexState_);
    scriptMenu->addSeparator();
    auto* mnuScriptsFolder = scriptMenu->addAction(tr("Scripts &Folder..."), this, &FolderCommands::mnuScriptsFolder_Click);
    mnuScriptsFolder->setObjectName(QStringLiteral("mnuScriptsFolder"));
    definitions_ = new DefinitionCommands(
        {parts, index_}, scriptMenu);
    auto* mnuCheckFolder = scriptMenu->addAction(tr("Check &Folder"), this, &FolderCommands::mnuCheckFolder_Click);
    mnuCheckFolder->setObjectName(QStringLiteral("mnuCheckFolder"));
    references_ = new ReferenceCommands(
        {parts, index_}, [this](const QString& file, int line) { openPlace(file, line); }, scriptMenu);
    renames_ = new RenameCommands({parts, index_, edits_}, scriptMenu);
    connect(edits_, &FolderEdits::fileWritten, index_, &ScriptsIndex::fileWritten);
    connect(index_, &ScriptsIndex::progressed, this, &FolderCommands::showProgress);
    connect(index_, &ScriptsIndex::built, this, &FolderCommands::showCount);
    connect(index_, &ScriptsIndex::changed, this, &FolderCommands::showCount);
    for (DocumentTabs* pane : {parts.item, parts.npc})
        connect(pane, &DocumentTabs::documentClosing, this, &FolderCommands::forgetDocument);
    for (PaneDocument* document : parts.front->documents())
        watchDocument(document);
    connect(parts.front, &FrontDocument::documentAdded, this, [this](PaneDocument* document) {
        watchDocument(document);
        followFile(document->filePath());
    });
    connect(parts.front, &FrontDocument::frontChanged, this, [this] {
        if (index_->folder().isEmpty() && !index_->isBuilding())
            followFile(parts_.front->document()->filePath());
    });
    const QString chosen = QSettings().value(kFolderSetting).toString();
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir())
        index_->setFolder(chosen);
}

QList<QKeySequence> FolderCommands::shortcuts() const
{
    return definitions_->shortcuts() + references_->shortcuts() + renames_->shortcuts();
}

// A document's edits are its pane's while it is in front; the timer goes with the document.
void FolderCommands::watchDocument(PaneDocument* document)
{
    auto* delay = new QTimer(document);
    delay->setSingleShot(true);
    delay->setInterval(kPaneTextDelay);
    connect(delay, &QTimer::timeout, this, [this, document] { tellPaneText(document); });
    connect(document->pane(), &QsciScintilla::textChanged, delay, [document, delay] {
        if (document->isInFront())
            delay->start();
    });
    connect(document, &PaneDocument::changed, this, [this, document] { tellPaneText(document); });
}

// What a document holds of a file wins over the file; once saved, the file is
// the same again, and saved as another, the file it held no longer has it.
void FolderCommands::tellPaneText(PaneDocument* document)
{
    const QString told = toldFiles_.value(document);
    if (!told.isEmpty() && told != document->filePath())
        index_->forgetPaneText(told);
    toldFiles_.insert(document, document->filePath());
    if (document->filePath().isEmpty())
        return;
    if (document->isModified())
        index_->setPaneText(document->filePath(), std::string(document->editor().bytes()));
    else
        index_->forgetPaneText(document->filePath());
}

// Closed, its unsaved text no longer counts: the file is what the folder holds.
void FolderCommands::forgetDocument(PaneDocument* document)
{
    if (const QString told = toldFiles_.take(document); !told.isEmpty())
        index_->forgetPaneText(told);
}

// Unless the user chose one, the folder is found from the file opened last,
// or from the file in front while no folder is known; a file of the folder
// indexed already changes nothing.
void FolderCommands::followFile(const QString& file)
{
    if (file.isEmpty() || !QSettings().value(kFolderSetting).toString().isEmpty())
        return;
    const QString path = canonicalPath(file);
    const QString folder = QFileInfo(path).absolutePath();
    if (index_->contains(path) || (folder == askedFolder_ && index_->isBuilding()))
        return;
    askedFolder_ = folder;
    index_->setFolderOf(path);
}

void FolderCommands::chooseFolder(const QString& folder)
{
    QSettings().setValue(kFolderSetting, canonicalPath(folder));
    index_->setFolder(folder);
}

void FolderCommands::mnuScriptsFolder_Click()
{
    QFileDialog dialog(parts_.window, tr("Scripts Folder"), index_->folder());
    dialog.setObjectName(QStringLiteral("diaScriptsFolder"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        chooseFolder(dialog.selectedFiles().constFirst());
}

void FolderCommands::showProgress(int done, int total)
{
    indexState_->setText(tr("Indexing scripts: %1 of %2").arg(done).arg(total));
}

void FolderCommands::showCount()
{
    if (index_->folder().isEmpty()) {
        indexState_->clear();
        return;
    }
    const FolderIndex& index = index_->index();
    const QString definitions = index.sectionCount() == 1 ? tr("1 definition")
                                                          : tr("%L1 definitions").arg(index.sectionCount());
    const QString files = index.fileCount() == 1 ? tr("1 file") : tr("%L1 files").arg(index.fileCount());
    indexState_->setText(tr("Scripts: %1 in %2").arg(definitions, files));
    indexState_->setToolTip(QDir::toNativeSeparators(index_->folder()));
}

void FolderCommands::mnuCheckFolder_Click()
{
    if (index_->folder().isEmpty()) {
        parts_.statusBar->showMessage(tr("No scripts folder to check: open a script of one, or choose one with "
                                         "Scripts Folder..."));
        return;
    }
    if (index_->isBuilding())
        withWaitCursor([this] { index_->waitUntilBuilt(); });
    std::vector<FolderProblem> problems = withWaitCursor([this] { return checkFolderWithScripts(index_->index()); });
    for (const std::filesystem::path& file : index_->unnamedFiles())
        problems.push_back({FolderProblem::Kind::NotLoaded, FolderProblem::Severity::Warning, file, 0,
                            tr("The file's name is not valid in the system's encoding, so Defwright cannot open "
                               "it and left it out; rename it to have it indexed.")
                                .toStdString()});
    if (checkWindow_ == nullptr) {
        checkWindow_ = new FolderCheckWindow(parts_.window);
        connect(checkWindow_, &FolderCheckWindow::placeChosen, this, &FolderCommands::openPlace);
    }
    const std::size_t count = problems.size();
    checkWindow_->showProblems(std::move(problems), index_->folder());
    parts_.statusBar->showMessage(count == 1 ? tr("Check Folder: 1 problem") : tr("Check Folder: %L1 problems").arg(count));
}

// A problem or a reference opens as a definition would: in the pane for its section's kind.
void FolderCommands::openPlace(const QString& file, int line)
{
    DefinitionHit hit{toPath(file), static_cast<std::uint32_t>(line), {}, {}, false};
    const FolderIndex& index = index_->index();
    for (const std::uint32_t number : index.files()) {
        if (index.filePath(number) != hit.file)
            continue;
        for (const SectionEntry& section : index.summary(number).sections) {
            if (section.name.line <= hit.line)
                hit.kind = section.kind;
        }
    }
    parts_.window->activateWindow();
    definitions_->openPlace(hit);
}

} // namespace defwright
