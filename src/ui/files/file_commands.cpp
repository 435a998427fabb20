#include "ui/files/file_commands.h"

#include "core/script/script_text.h"
#include "ui/files/native_paths.h"
#include "ui/files/script_file.h"
#include "ui/panes/front_document.h"
#include "ui/panes/pane_document.h"
#include "ui/widgets/wait_cursor.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QPushButton>

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

FileCommands::FileCommands(QMainWindow* window, FrontDocument* front, const PaneDocument* captioned)
    : QObject(window)
    , window_(window)
    , front_(front)
    , captioned_(captioned)
    , diaOpen_(createDialog(window, QStringLiteral("diaOpen"), QFileDialog::AcceptOpen))
    , diaSave_(createDialog(window, QStringLiteral("diaSave"), QFileDialog::AcceptSave))
    , recentFiles_(new RecentFiles(front->documents(), this))
{
    connect(recentFiles_, &RecentFiles::chosen, this, &FileCommands::openRecent);
}

// The pane forgets its file, so the caption no longer names one.
void FileCommands::newScript(PaneDocument* document)
{
    document->startWithoutFile(QString::fromStdString(bannerText()));
    if (document == captioned_)
        window_->setWindowTitle(QStringLiteral("Defwright"));
}

void FileCommands::open(PaneDocument* document)
{
    if (const std::optional<QString> path = chosenPath(diaOpen_))
        openFile(document, *path);
}

void FileCommands::openFile(PaneDocument* document, const QString& path)
{
    diaOpen_->selectFile(path);
    const QString error = withWaitCursor([document, &path] {
        const ScriptFile::Contents contents = ScriptFile(path).read();
        if (contents.error.isEmpty())
            document->open(path, contents.format, contents.script);
        return contents.error;
    });
    if (!error.isEmpty()) {
        cannotOpen(path, error);
        return;
    }
    front_->bringToFront(document);
    remember(document, path);
}

// A file that has gone since is taken off the list rather than offered again.
void FileCommands::openRecent(const QString& path, PaneDocument* document)
{
    if (!QFileInfo::exists(path)) {
        recentFiles_->remove(path);
        cannotOpen(path, tr("The file is no longer there; it was taken off the recent files."));
        return;
    }
    openFile(document, path);
}

// Writes the script in front to its own file, in that file's format.
void FileCommands::save()
{
    PaneDocument* document = front_->document();
    const QString path = document->filePath();
    if (path.isEmpty()) {
        showMessage(QMessageBox::NoIcon, tr("Use Save As...  Save will be finished soon."));
        return;
    }
    if (const QString reason = ScriptFile(path).notAFileReason(); !reason.isEmpty()) {
        cannotSave(path, reason);
        return;
    }
    if (document->fileChangedOnDisk() && !confirmOverwriteChanged(path))
        return;
    writeFile(document, path);
}

void FileCommands::saveAs(PaneDocument* document)
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
    writeFile(document, *path);
}

void FileCommands::writeFile(PaneDocument* document, const QString& path)
{
    EncodedScript encoded = withWaitCursor([document] { return document->encoded(); });
    if (encoded.unencodable > 0) {
        const Unencodable answer = askUnencodable(encoded.unencodable);
        if (answer == Unencodable::Cancel)
            return;
        if (answer == Unencodable::SaveAsUtf8) {
            document->setEncoding(TextEncoding::Utf8);
            encoded = withWaitCursor([document] { return document->encoded(); });
        }
    }
    const QString error = withWaitCursor([&path, &encoded] { return ScriptFile(path).write(encoded.bytes); });
    if (!error.isEmpty()) {
        cannotSave(path, error);
        return;
    }
    document->markSaved(path);
    remember(document, path);
}

void FileCommands::showRecentFilesIn(QMenu* menu)
{
    recentFiles_->showIn(menu);
}

// Only once the file was read or written, so the caption never names a file
// that does not hold the item pane's text.
void FileCommands::remember(const PaneDocument* document, const QString& path)
{
    showInCaption(document);
    recentFiles_->add(path, document);
}

void FileCommands::showInCaption(const PaneDocument* document)
{
    if (document == captioned_ && !document->filePath().isEmpty())
        window_->setWindowTitle(QStringLiteral("File : ") + shownPath(document->filePath()));
}

bool FileCommands::confirmOverwrite(const QString& path) const
{
    const QString text = tr("File: %1 already exists, overwrite?").arg(QFileInfo(path).fileName());
    return showMessage(QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

// Saving over what another program wrote, a pull or a checkout, would lose it
// without a word: No is the default.
bool FileCommands::confirmOverwriteChanged(const QString& path) const
{
    const QString text = tr("%1 changed on disk since it was opened or saved here.\n\nSave over it? What "
                            "changed on disk would be lost.")
                             .arg(QFileInfo(path).fileName());
    return showMessage(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

// Writing "?" for what Windows-1252 lacks must never happen unasked. No is
// the default, as the file would lose text; UTF-8 keeps every character.
FileCommands::Unencodable FileCommands::askUnencodable(std::size_t count) const
{
    const QString characters = count == 1 ? tr("1 character") : tr("%1 characters").arg(count);
    const QString text = tr("The script holds %1 that Windows-1252, the encoding of this file, cannot store. "
                            "Each would be written as \"?\".\n\nSave the file as UTF-8 instead, which keeps "
                            "them, or save anyway?")
                             .arg(characters);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Defwright"), text, QMessageBox::Yes | QMessageBox::No,
                    window_);
    QPushButton* utf8 = box.addButton(tr("Save as &UTF-8"), QMessageBox::AcceptRole);
    utf8->setObjectName(QStringLiteral("cmdSaveAsUtf8"));
    box.setDefaultButton(QMessageBox::No);
    box.exec();
    if (box.clickedButton() == utf8)
        return Unencodable::SaveAsUtf8;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Unencodable::WriteQuestionMarks
                                                               : Unencodable::Cancel;
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
