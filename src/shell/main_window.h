#pragma once

#include <QMainWindow>

class QAction;
class QTabWidget;

namespace defwright {

class FileCommands;
class ScriptPane;

/// The program's one working window: four tab pages of fields and script
/// panes, and the File and Help menus.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    /// The load step, run once before the window is first shown: puts the NPC
    /// page into its start state and shows the splash until it is clicked away.
    void Form_Load();

private slots:
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuCredits_Click();
    void mnuHistory_Click();

private:
    void createPages();
    void createActions();
    void createMenus();
    void guardMenuShortcuts();

    QTabWidget* SSTab1_ = nullptr;
    ScriptPane* txtEdit_ = nullptr;
    ScriptPane* txtnEdit_ = nullptr;
    FileCommands* fileCommands_ = nullptr;

    QAction* mnuNew_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuCredits_ = nullptr;
    QAction* mnuHistory_ = nullptr;
};

} // namespace defwright
