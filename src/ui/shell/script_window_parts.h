#pragma once

class QMainWindow;
class QStatusBar;

namespace defwright {

class FileCommands;
class FrontDocument;
class PaneDocument;

/// What the scripts folder's commands need of the window: its two script
/// documents, the one in front, the File commands that open files into them,
/// and the status bar they report in.
struct ScriptWindowParts {
    QMainWindow* window;
    FrontDocument* front;
    PaneDocument* item;
    PaneDocument* npc;
    FileCommands* files;
    QStatusBar* statusBar;
};

} // namespace defwright
