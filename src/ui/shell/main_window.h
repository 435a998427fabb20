#pragma once

#include <QMainWindow>

namespace defwright {

class DocumentCommands;
class DocumentTabs;
class EditCommands;
class FieldTypingUndo;
class FileCommands;
class FolderCommands;
class FrontDocument;
class HelpCommands;
class InspectorCommand;
class ItemFieldsPage;
class LanguageCommands;
class NpcFieldsPage;
class ScriptCommands;
class ScriptPage;
class ScriptStatusBar;
class SessionKeeper;
class TabControl;
class ViewCommands;

/// The program's one working window: the item fields, the item scripts, the
/// NPC fields and the NPC scripts on four tab pages, and the File, Edit, View,
/// Script and Help menus.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    /// The load step, run once before the window is first shown: puts the NPC
    /// page into its start state, shows the splash until it is clicked away,
    /// and brings back the window's place and size and the unsaved work of
    /// the last run.
    void Form_Load();

    /// Opens a script into the item pane as File > Open does, for a file
    /// named on the command line, and shows it.
    void openItemScript(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void rebuildItemScript();
    void txtBasic_GotFocus();
    void cmdtriggers_Click(int index);
    void rebuildNpcScript();
    void cmdntriggers_Click(int index);

private:
    void createPages();
    void createDocuments();
    void setFocusOrder();
    void connectPages();
    void createMenus();
    void guardMenuShortcuts();
    void placeWindow();
    void showCaption();

    TabControl* SSTab1_ = nullptr;
    ItemFieldsPage* itemFields_ = nullptr;
    ScriptPage* itemScript_ = nullptr;
    NpcFieldsPage* npcFields_ = nullptr;
    ScriptPage* npcScript_ = nullptr;
    DocumentTabs* itemDocuments_ = nullptr;
    DocumentTabs* npcDocuments_ = nullptr;
    FrontDocument* front_ = nullptr;
    ScriptStatusBar* statusBar_ = nullptr;
    FileCommands* fileCommands_ = nullptr;
    DocumentCommands* documentCommands_ = nullptr;
    ScriptCommands* scriptCommands_ = nullptr;
    EditCommands* editCommands_ = nullptr;
    ViewCommands* viewCommands_ = nullptr;
    SessionKeeper* sessionKeeper_ = nullptr;
    FolderCommands* folderCommands_ = nullptr;
    LanguageCommands* languageCommands_ = nullptr;
    FieldTypingUndo* typingUndo_ = nullptr;
    HelpCommands* helpCommands_ = nullptr;
    InspectorCommand* inspectorCommand_ = nullptr;

    bool loaded_ = false; // the load step ran, so the window's place is kept
};

} // namespace defwright
