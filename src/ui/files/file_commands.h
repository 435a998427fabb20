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

class ScriptDocument;

/// The File menu's commands. Open and Save As work on whichever script pane
/// they are given, through the same dialogs; only the item pane's file is
/// named in the window's caption. They never touch the fields, and never
/// write a file the user did not confirm.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QMainWindow* window, ScriptDocument* itemPane, ScriptDocument* npcPane);

    void newScript();
    void open(ScriptDocument* pane);
    void save();
    void saveAs(ScriptDocument* pane);

    /// Open without the dialog, for a file named on the command line or in
    /// the recent files; the dialog offers its folder next time.
    void openFile(ScriptDocument* pane, const QString& path);

    void showRecentFilesIn(QMenu* menu);

private:
    void openRecent(const QString& path, RecentFiles::Pane pane);
    void writeFile(ScriptDocument* pane, const QString& path);
    void remember(ScriptDocument* pane, const QString& path);
    [[nodiscard]] bool confirmOverwrite(const QString& path) const;
    [[nodiscard]] bool confirmReplacement(std::size_t replaced) const;
    void cannotOpen(const QString& path, const QString& reason) const;
    void cannotSave(const QString& path, const QString& reason) const;
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::Ok) const;

    QMainWindow* window_;
    ScriptDocument* itemPane_;
    ScriptDocument* npcPane_;
    QFileDialog* diaOpen_;
    QFileDialog* diaSave_;
    RecentFiles* recentFiles_;
};

} // namespace defwright
