#pragma once

#include "core/index/definition_search.h"
#include "ui/folder/name_at_focus.h"
#include "ui/folder/script_window_parts.h"

#include <QList>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QMainWindow;
class QMenu;
class QStatusBar;

namespace defwright {

class DefinitionNavigator;
class FileCommands;
class FrontDocument;
class PaneDocument;
class ScriptsIndex;

/// Go to Definition (F12, or Ctrl and a click on a name in a pane), Go Back,
/// Go Forward and Go to Definition by Name: a name is looked up in the text
/// of the document in front first, then in the scripts folder's index.
class DefinitionCommands : public QObject {
    Q_OBJECT

public:
    struct Parts : ScriptWindowParts {
        ScriptsIndex* index;
    };

    DefinitionCommands(const Parts& parts, QMenu* scriptMenu);

    [[nodiscard]] QList<QKeySequence> shortcuts() const;

    /// Opens a place the index names, as Go to Definition does, from the script in front.
    void openPlace(const DefinitionHit& hit);

public slots:
    void mnuGoToDefinition_Click();
    void mnuGoBack_Click();
    void mnuGoForward_Click();
    void mnuDefinitionList_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void goToDefinition(const NameAtFocus& lookup);
    [[nodiscard]] const DefinitionHit* chooseHit(const std::vector<DefinitionHit>& hits, PaneDocument* from) const;

    Parts parts_;
    DefinitionNavigator* navigator_;
    QAction* mnuGoToDefinition_ = nullptr;
    QAction* mnuGoBack_ = nullptr;
    QAction* mnuGoForward_ = nullptr;
    QAction* mnuDefinitionList_ = nullptr;
};

} // namespace defwright
