#include "ui/files/file_commands.h"

#include "core/files/windows_1252.h"
#include "core/script/script_text.h"
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

FileCommands::FileCommands(QMainWindow* window, ScriptDocument* pane)
    : QObject(window)
    , window_(window)
    , pane_(pane)
    , diaOpen_(createDialog(window, QStringLiteral("diaOpen"), QFileDialog::AcceptOpen))
    , diaSave_(createDialog(window, QStringLiteral("diaSave"), QFileDialog::AcceptSave))
{
}

void FileCommands::newScript()
{
    pane_->replaceScript(QString::fromStdString(bannerText()));
}

void FileCommands::open()
{
    const std::optional<QString> path = chosenPath(diaOpen_);
    if (!path)
        return;
    const QString error = withWaitCursor([this, &path] {
        const ScriptFile::Contents contents = ScriptFile(*path).read();
        if (contents.error.isEmpty())
            pane_->replaceScript(contents.script);
        return contents.error;
    });
    if (!error.isEmpty()) {
        showMessage(QMessageBox::Warning, tr("Could not open %1\n\n%2").arg(*path, error));
        return;
    }
    showFileCaption(*path);
}

void FileCommands::save()
{
    showMessage(QMessageBox::NoIcon, tr("Use Save As...  Save will be finished soon."));
}

void FileCommands::saveAs()
{
    const std::optional<QString> path = chosenPath(diaSave_);
    if (!path) {
        showMessage(QMessageBox::Information, tr("Cancel was pressed"));
        return;
    }
    if (QFileInfo(*path).isFile() && !confirmOverwrite(*path))
        return;
    const Windows1252Bytes encoded = withWaitCursor([this] {
        const QString script = pane_->script();
        return encodeWindows1252(utf16View(script));
    });
    if (encoded.replaced > 0 && !confirmReplacement(encoded.replaced))
        return;
    const QString error = withWaitCursor([&path, &encoded] { return ScriptFile(*path).write(encoded.bytes); });
    if (!error.isEmpty()) {
        showMessage(QMessageBox::Warning, tr("Could not save %1\n\n%2").arg(*path, error));
        return;
    }
    showFileCaption(*path);
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

QMessageBox::StandardButton FileCommands::showMessage(QMessageBox::Icon icon, const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton) const
{
    QMessageBox box(icon, QStringLiteral("Defwright"), text, buttons, window_);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// Set only once the file was read or written, so the caption never names a
// file that does not hold the pane's text.
void FileCommands::showFileCaption(const QString& path) const
{
    window_->setWindowTitle(QStringLiteral("File : ") + path);
}

} // namespace defwright
