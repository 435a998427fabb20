#pragma once

#include "ui/folder/script_window_parts.h"

#include <QHash>
#include <QList>
#include <QKeySequence>
#include <QObject>
#include <QString>

class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QStatusBar;

namespace defwright {

class DefinitionCommands;
class FileCommands;
class FolderCheckWindow;
class FolderEdits;
class FrontDocument;
class PaneDocument;
class ReferenceCommands;
class RenameCommands;
class ScriptsIndex;

/// The Script menu's commands across the scripts folder: choosing the folder,
/// the definition commands (see DefinitionCommands), the folder check, every
/// place that names a definition (ReferenceCommands) and its rename across the
/// folder (RenameCommands), made through the one FolderEdits. The
/// folder is the one chosen last, kept in the user's settings, else the one
/// found from the file of the document in front. The status bar tells how
/// indexing goes.
class FolderCommands : public QObject {
    Q_OBJECT

public:
    using Parts = ScriptWindowParts;

    FolderCommands(const Parts& parts, QMenu* scriptMenu);

    [[nodiscard]] QList<QKeySequence> shortcuts() const;
    [[nodiscard]] ScriptsIndex* scriptsIndex() const { return index_; }
    /// Edits across the folder as one action; the index follows what it writes.
    [[nodiscard]] FolderEdits* folderEdits() const { return edits_; }

    /// Makes `folder` the scripts folder, remembered for the next run.
    void chooseFolder(const QString& folder);

public slots:
    void mnuScriptsFolder_Click();
    void mnuCheckFolder_Click();

private:
    void watchDocument(PaneDocument* document);
    void followFile(const QString& file);
    void forgetDocument(PaneDocument* document);
    void tellPaneText(PaneDocument* document);
    void showProgress(int done, int total);
    void showCount();
    void openPlace(const QString& file, int line);

    Parts parts_;
    ScriptsIndex* index_;
    FolderEdits* edits_;
    DefinitionCommands* definitions_ = nullptr;
    ReferenceCommands* references_ = nullptr;
    RenameCommands* renames_ = nullptr;
    FolderCheckWindow* checkWindow_ = nullptr;
    QLabel* indexState_;
    QString askedFolder_; // the folder of the file the scripts folder was last looked for from
    QHash<const PaneDocument*, QString> toldFiles_; // the file each document's text was told for
};

} // namespace defwright
