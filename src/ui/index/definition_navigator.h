#pragma once

#include "core/index/definition_search.h"

#include <QObject>
#include <QString>

#include <functional>

namespace defwright {

class DocumentTabs;
class FrontDocument;
class JumpHistory;
class PaneDocument;
class ScriptPane;

/// Takes the user to a definition and back. A file open already, in either
/// pane, comes to the front as it is; else an ITEMDEF's file opens in the
/// item pane, a CHARDEF's in the NPC pane and any other in the pane it was
/// looked up from, each as a document of its own. Go Back and Go Forward
/// move through the places jumped from and to.
class DefinitionNavigator : public QObject {
    Q_OBJECT

public:
    /// Opens a file as a document of the pane, or brings it to the front if
    /// it is open; returns its document, or none when it cannot be opened.
    using OpenFile = std::function<PaneDocument*(DocumentTabs* pane, const QString& path)>;

    DefinitionNavigator(FrontDocument* front, DocumentTabs* item, DocumentTabs* npc, OpenFile openFile,
                        QObject* parent);

    /// Goes to the definition; where the document in front stood is remembered for goBack().
    void open(const DefinitionHit& hit, PaneDocument* from);

    /// False when there is nowhere to go.
    bool goBack();
    bool goForward();

    /// The header line's place in a pane: the caret on its start, the line in view.
    static void showLine(ScriptPane* pane, int line);

private:
    [[nodiscard]] DocumentTabs* paneFor(const DefinitionHit& hit, PaneDocument* from) const;

    FrontDocument* front_;
    DocumentTabs* item_;
    DocumentTabs* npc_;
    OpenFile openFile_;
    JumpHistory* history_;
};

} // namespace defwright
