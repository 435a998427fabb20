#pragma once

#include "core/index/rename_plan.h"
#include "ui/documents/folder_edits.h"
#include "ui/folder/script_window_parts.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace defwright {

class ScriptsIndex;

/// Rename Definition (F2, in a script pane): the definition whose name is at
/// the caret gets a new name in every file of the scripts folder. The name
/// is asked and checked as it is typed, every change is shown to be ticked
/// or not, and the ticked ones are made as one action (see FolderEdits):
/// files open in a pane change there, as one undo step each, the others on
/// disk in their own format; all or nothing. Undo Rename takes the last one
/// back, in every file, and Redo Rename makes it again.
class RenameCommands : public QObject {
    Q_OBJECT

public:
    struct Parts : ScriptWindowParts {
        ScriptsIndex* index;
        FolderEdits* edits;
    };

    RenameCommands(const Parts& parts, QMenu* scriptMenu);

    [[nodiscard]] QList<QKeySequence> shortcuts() const;

public slots:
    void mnuRename_Click();
    void mnuUndoRename_Click();

private:
    [[nodiscard]] QString nameToRename() const;
    [[nodiscard]] RenamePlan plan(const std::string& oldName, const std::string& newName);
    [[nodiscard]] QString apply(const RenamePlan& plan, const std::vector<std::vector<bool>>& chosen,
                                const QString& oldName, const QString& newName);
    [[nodiscard]] std::optional<std::string> textOf(const std::filesystem::path& file);
    void offerUndo();

    Parts parts_;
    QAction* mnuRename_;
    QAction* mnuUndoRename_;
    QHash<QString, std::shared_ptr<const std::string>> planned_; ///< each file's text as the last plan read it
    struct Done {
        QString oldName;
        QString newName;
        FolderEditOutcome outcome;
        bool undone = false;
    } last_;
};

} // namespace defwright
