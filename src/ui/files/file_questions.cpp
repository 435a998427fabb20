#include "ui/files/file_questions.h"

#include "ui/documents/native_paths.h"

#include <QFileInfo>
#include <QPushButton>

namespace defwright {

FileQuestions::FileQuestions(QWidget* window)
    : window_(window)
{
}

bool FileQuestions::confirmOverwrite(const QString& path) const
{
    const QString text = tr("File: %1 already exists, overwrite?").arg(QFileInfo(path).fileName());
    return showMessage(QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

// Saving over what another program wrote, a pull or a checkout, would lose it
// without a word: No is the default.
bool FileQuestions::confirmOverwriteChanged(const QString& path) const
{
    const QString text = tr("%1 changed on disk since it was opened or saved here.\n\nSave over it? What "
                            "changed on disk would be lost.")
                             .arg(QFileInfo(path).fileName());
    return showMessage(QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

// Writing "?" for what Windows-1252 lacks must never happen unasked. No is
// the default, as the file would lose text; UTF-8 keeps every character.
FileQuestions::Unencodable FileQuestions::askUnencodable(std::size_t count) const
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

// Save is the default: Enter keeps the work.
FileQuestions::Closing FileQuestions::askClosing(const QString& name) const
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Defwright"),
                    tr("%1 has changes that are not saved.\n\nSave them before closing it?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window_);
    box.setDefaultButton(QMessageBox::Save);
    const int answer = box.exec();
    if (answer == QMessageBox::Save)
        return Closing::Save;
    return answer == QMessageBox::Discard ? Closing::Discard : Closing::Cancel;
}

void FileQuestions::cannotOpen(const QString& path, const QString& reason) const
{
    showMessage(QMessageBox::Warning, tr("Could not open %1\n\n%2").arg(shownPath(path), reason));
}

void FileQuestions::cannotSave(const QString& path, const QString& reason) const
{
    showMessage(QMessageBox::Warning, tr("Could not save %1\n\n%2").arg(shownPath(path), reason));
}

QMessageBox::StandardButton FileQuestions::showMessage(QMessageBox::Icon icon, const QString& text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton) const
{
    QMessageBox box(icon, QStringLiteral("Defwright"), text, buttons, window_);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace defwright
