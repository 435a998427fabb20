#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <cstddef>

class QFileDialog;
class QMainWindow;

namespace defwright {

class ScriptDocument;

/// The File menu's commands on the item script pane. They never touch the NPC
/// pane or the fields, and never write a file the user did not confirm.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QMainWindow* window, ScriptDocument* pane);

    void newScript();
    void open();
    void save();
    void saveAs();

private:
    [[nodiscard]] bool confirmOverwrite(const QString& path) const;
    [[nodiscard]] bool confirmReplacement(std::size_t replaced) const;
    QMessageBox::StandardButton showMessage(QMessageBox::Icon icon, const QString& text,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::Ok) const;
    void showFileCaption(const QString& path) const;

    QMainWindow* window_;
    ScriptDocument* pane_;
    QFileDialog* diaOpen_;
    QFileDialog* diaSave_;
};

} // namespace defwright
