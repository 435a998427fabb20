#pragma once

#include "ui/files/file_questions.h"
#include "ui/files/recent_files.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QFileDialog;
class QMainWindow;
class QMenu;
class QMenuBar;

namespace defwright {

class DocumentTabs;
class FrontDocument;
class PaneDocument;

/// The File menu's commands. New works on a pane's form script, Save and
/// Close on the document in front, Save As on the document in front of its
/// pane (the item pane's for Save As, the NPC pane's for Save NPC Script As);
/// Open opens a file as a document of its own, or brings the document that
/// holds it to the front, one document to a file. They never touch the
/// fields, never write a file the user did not confirm, and never lose an
/// unsaved text without asking, but for Exit, which ends the program at once
/// and leaves the unsaved work to the kept session.
class FileCommands : public QObject {
    Q_OBJECT

public:
    /// Whether Open Recent is to list a file opened: the scripter's own
    /// choices are, the places a jump passes through are not.
    enum class Remember { Yes, No };

    struct Panes {
        DocumentTabs* item;
        DocumentTabs* npc;
    };

    FileCommands(QMainWindow* window, FrontDocument* front, Panes panes);

    /// Adds "&File" with every entry.
    void addMenu(QMenuBar* menuBar);
    /// The menu's shortcuts, which must win over the editors' own keys.
    [[nodiscard]] QList<QKeySequence> shortcuts() const;

    /// Brings the pane's form script to the front and starts it afresh.
    void newScript(DocumentTabs* pane);
    void open(DocumentTabs* pane);
    void save();
    void saveAs(DocumentTabs* pane);

    /// Asks first, when the document differs from its file, whether to save
    /// it, drop its changes or keep it open. The form's script is never
    /// closed. Returns whether the document was closed. A tab's close button
    /// and a middle click on a tab close through it too.
    bool close(PaneDocument* document);

    /// Open without the dialog, for a file named on the command line, in the
    /// recent files or by a jump: a document of the pane, brought to the
    /// front; or, when a document holds the file already, in either pane,
    /// that one as it is. None when the file cannot be read, which is told.
    PaneDocument* openFile(DocumentTabs* pane, const QString& path, Remember remember = Remember::Yes);

public slots:
    void mnuNew_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuSaveAs_Click();
    void mnuClose_Click();
    void mnuOpenNpc_Click();
    void mnuSaveNpcAs_Click();
    void mnuExit_Click();

private:
    QAction* action(const char* name, const QString& caption, const QKeySequence& shortcut,
                    void (FileCommands::*slot)());
    void openRecent(const QString& path, DocumentTabs* pane);
    void enableClose();
    bool saveDocument(PaneDocument* document);
    bool writeFile(PaneDocument* document, const QString& path);
    [[nodiscard]] bool heldElsewhere(const PaneDocument* document, const QString& path) const;

    QMainWindow* window_;
    FrontDocument* front_;
    Panes panes_;
    FileQuestions questions_;
    QFileDialog* diaOpen_;
    QFileDialog* diaSave_;
    RecentFiles* recentFiles_;
    QAction* mnuNew_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuClose_ = nullptr;
    QAction* mnuOpenNpc_ = nullptr;
    QAction* mnuSaveNpcAs_ = nullptr;
    QAction* mnuExit_ = nullptr;
};

} // namespace defwright
