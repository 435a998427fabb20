#pragma once

#include <QMainWindow>

class QAction;

namespace defwright {

class EditCommands;
class FieldTypingUndo;
class FileCommands;
class ItemFieldsPage;
class NpcFieldsPage;
class ScriptCommands;
class ScriptPage;
class TabControl;

/// The program's one working window: the item fields, the item script, the
/// NPC fields and the NPC script on four tab pages, and the File, Script and Help
/// menus.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    /// The load step, run once before the window is first shown: puts the NPC
    /// page into its start state and shows the splash until it is clicked away.
    void Form_Load();

    /// Opens a script into the item pane as File > Open does, for a file
    /// named on the command line.
    void openItemScript(const QString& path);

private slots:
    void rebuildItemScript();
    void txtBasic_GotFocus();
    void cmdtriggers_Click(int index);
    void rebuildNpcScript();
    void cmdntriggers_Click(int index);

    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuOpenNpc_Click();
    void mnuSaveNpcAs_Click();
    void mnuExit_Click();
    void mnuAbout_Click();
    void mnuCredits_Click();
    void mnuHistory_Click();

private:
    void createPages();
    void setFocusOrder();
    void connectPages();
    void createActions();
    void createMenus();
    void guardMenuShortcuts();
    void mergeFieldTyping();
    void placeWindow();

    TabControl* SSTab1_ = nullptr;
    ItemFieldsPage* itemFields_ = nullptr;
    ScriptPage* itemScript_ = nullptr;
    NpcFieldsPage* npcFields_ = nullptr;
    ScriptPage* npcScript_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    ScriptCommands* scriptCommands_ = nullptr;
    EditCommands* editCommands_ = nullptr;
    FieldTypingUndo* typingUndo_ = nullptr;

    QAction* mnuNew_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuOpenNpc_ = nullptr;
    QAction* mnuSaveNpcAs_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuCredits_ = nullptr;
    QAction* mnuHistory_ = nullptr;
};

} // namespace defwright
