#pragma once

#include <QObject>

class QMainWindow;

namespace defwright {

class ScriptPane;

/// The File menu's commands on the item script pane.
class FileCommands : public QObject {
    Q_OBJECT

public:
    FileCommands(QMainWindow* window, ScriptPane* pane);

    void newScript();
    void open();
    void save();
    void saveAs();

private:
    QMainWindow* window_;
    ScriptPane* pane_;
};

} // namespace defwright
