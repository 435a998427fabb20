#include "ui/files/file_commands.h"

#include "core/files/windows_1252.h"
#include "core/script/script_text.h"
#include "ui/files/native_paths.h"
#include "ui/files/script_file.h"
#include "ui/panes/script_document.h"
#include "ui/widgets/utf16_text.h"
#include "ui/widgets/wait_cursor.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>

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

FileCommands::FileCommands(QMainWindow* window, ScriptDocument* itemPane, ScriptDocument* npcPane)
    : QObject(window)
    , window_(window)
    , itemPane_(itemPane)
    , npcPane_(npcPane)
    , diaOpen_(createDialog(window, QStringLiteral("diaOpen"), QFileDialog::AcceptOpen))
    , diaSave_(createDialog(window, QStringLiteral("diaSave"), QFileDialog::AcceptSave))
    , recentFiles_(new RecentFiles(this))
{
    connect(recentFiles_, &RecentFiles::chosen, this, &FileCommands::openRecent);
}

void FileCommands::newScript()
{
    itemPane_->replaceScript(QString::fromStdString(bannerText()));
}

void FileCommands::open(ScriptDocument* pane)
{
    if (const std::optional<QString> path = chosenPath(diaOpen_))
        openFile(pane, *path);
}

void FileCommands::openFile(ScriptDocument* pane, const QString& path)
{
    diaOpen_->selectFile(path);
    const QString error = withWaitCursor([pane, &path] {
        const ScriptFile::Contents contents = ScriptFile(path).read();
        if (contents.error.isEmpty())
            pane->replacePaneText(contents.script);
        return contents.error;
    });
    if (!error.isEmpty()) {
        cannotOpen(path, error);
        return;
    }
    remember(pane, path);
}

// A file that has gone since is taken off the list rather than offered again.
void FileCommands::openRecent(const QString& path, RecentFiles::Pane pane)
{
    if (!QFileInfo::exists(path)) {
        recentFiles_->remove(path);
        cannotOpen(path, tr("The file is no longer there; it was taken off the recent files."));
        return;
    }
    openFile(pane == RecentFiles::Pane::Npc ? npcPane_ : itemPane_, path);
}

void FileCommands::save()
{
    showMessage(QMessageBox::NoIcon, tr("Use Save As...  Save will be finished soon."));
}

void FileCommands::saveAs(ScriptDocument* pane)
{
    const std::optional<QString> path = chosenPath(diaSave_);
    if (!path) {
        showMessage(QMessageBox::Information, tr("Cancel was pressed"));
        return;
    }
    if (const QString reason = ScriptFile(*path).notAFileReason(); !reason.isEmpty()) {
        cannotSave(*path, reason);
        return;
    }
    if (QFileInfo(*path).isFile() && !confirmOverwrite(*path))
        return;
    writeFile(pane, *path);
}

void FileCommands::writeFile(ScriptDocument* pane, const QString& path)
{
    const Windows1252Bytes encoded = withWaitCursor([pane] {
        const QString script = pane->script();
        return encodeWindows1252(utf16View(script));
    });
    if (encoded.replaced > 0 && !confirmReplacement(encoded.replaced))
        return;
    const QString error = withWaitCursor([&path, &encoded] { return ScriptFile(path).write(encoded.bytes); });
    if (!error.isEmpty()) {
        cannotSave(path, error);
        return;
    }
    remember(pane, path);
}

void FileCommands::showRecentFilesIn(QMenu* menu)
{
    recentFiles_->showIn(menu);
}

// Only once the file was read or written, so the caption never names a file
// that does not hold the item pane's text.
void FileCommands::remember(ScriptDocument* pane, const QString& path)
{
    const bool item = pane == itemPane_;
    if (item)
        window_->setWindowTitle(QStringLiteral("File : ") + shownPath(path));
    recentFiles_->add(path, item ? RecentFiles::Pane::Item : RecentFiles::Pane::Npc);
}

bool FileCommands::confirmOverwrite(const QString& path) const
{
    const QString text = tr("File: %1 already exists, overwrite?").arg(QFileInfo(path).fileName());
    return showMessage(QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

// A .scp file holds Windows-1252 alone; writing "?" for what it lacks must
// never happen unasked. No is the default, as the file would lose text.
bool FileCommands::confirmReplacement(std::size_t replaced) const
{
    const QString count = replaced == 1 ? tr("1 character") : tr("%1 characters").arg(replaced);
    const QString text = tr("The script holds %1 that a .scp file cannot store (it holds Windows-1252 "
                            "only). Each would be written as \"?\".\n\nSave anyway?")
                             .arg(count);
    return showMessage(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void FileCommands::cannotOpen(const QString& path, const QString& reason) const
{
    showMessage(QMessageBox::Warning, tr("Could not open %1\n\n%2").arg(shownPath(path), reason));
}

void FileCommands::cannotSave(const QString& path, const QString& reason) const
{
    showMessage(QMessageBox::Warning, tr("Could not save %1\n\n%2").arg(shownPath(path), reason));
}

QMessageBox::StandardButton FileCommands::showMessage(QMessageBox::Icon icon, const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton) const
{
    QMessageBox box(icon, QStringLiteral("Defwright"), text, buttons, window_);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace defwright
