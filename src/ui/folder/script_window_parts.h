#pragma once

class QMainWindow;
class QStatusBar;

namespace defwright {

class DocumentTabs;
class FileCommands;
class FrontDocument;

/// What the scripts folder's commands need of the window: the documents of
/// its two script panes, the one in front, the File commands that open files
/// into them, and the status bar they report in.
struct ScriptWindowParts {
    QMainWindow* window;
    FrontDocument* front;
    DocumentTabs* item;
    DocumentTabs* npc;
    FileCommands* files;
    QStatusBar* statusBar;
};

} // namespace defwright
