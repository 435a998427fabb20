#pragma once

#include "ui/files/recent_files.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <cstddef>

class QFileDialog;
class QMainWindow;
class QMenu;

namespace defwright {

class FrontDocument;
class PaneDocument;

/// The File menu's commands. New, Open and Save As work on whichever script
/// pane's document they are given, through the same dialogs; Save on the
/// script in front. Only the captioned document's file is named in the
/// window's caption. They never touch the fields, and never write a file the
/// user did not confirm.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QMainWindow* window, FrontDocument* front, const PaneDocument* captioned);

    void newScript(PaneDocument* document);
    void open(PaneDocument* document);
    void save();
    void saveAs(PaneDocument* document);

    /// Open without the dialog, for a file named on the command line or in
    /// the recent files; the dialog offers its folder next time.
    void openFile(PaneDocument* document, const QString& path);

    void showRecentFilesIn(QMenu* menu);

    /// Names the document's file in the window's caption, if it is the
    /// captioned one and has a file: for a file put into it other than by these commands.
    void showInCaption(const PaneDocument* document);

private:
    enum class Unencodable { Cancel, WriteQuestionMarks, SaveAsUtf8 };

    void openRecent(const QString& path, PaneDocument* document);
    void writeFile(PaneDocument* document, const QString& path);
    void remember(const PaneDocument* document, const QString& path);
    [[nodiscard]] bool confirmOverwrite(const QString& path) const;
    [[nodiscard]] bool confirmOverwriteChanged(const QString& path) const;
    [[nodiscard]] Unencodable askUnencodable(std::size_t count) const;
    void cannotOpen(const QString& path, const QString& reason) const;
    void cannotSave(const QString& path, const QString& reason) const;
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::Ok) const;

    QMainWindow* window_;
    FrontDocument* front_;
    const PaneDocument* captioned_;
    QFileDialog* diaOpen_;
    QFileDialog* diaSave_;
    RecentFiles* recentFiles_;
};

} // namespace defwright
