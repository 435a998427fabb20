#pragma once

#include "core/index/definition_search.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace defwright {

class FrontDocument;
class PaneDocument;
class ScriptPane;

/// Takes the user to a definition and back. An ITEMDEF goes into the item
/// pane, a CHARDEF into the NPC pane, anything else into the pane it was
/// looked up from; a file is opened there only when that pane does not hold
/// it already, through the same path as File > Open.
class DefinitionNavigator : public QObject {
    Q_OBJECT

public:
    /// Opens a file into a pane; returns whether the pane now holds it.
    using OpenFile = std::function<bool(PaneDocument* document, const QString& path)>;

    DefinitionNavigator(FrontDocument* front, PaneDocument* item, PaneDocument* npc, OpenFile openFile,
                        QObject* parent);

    /// Goes to the definition; where `from` stood is remembered for goBack().
    void open(const DefinitionHit& hit, PaneDocument* from);

    /// Back to where the last open() was asked from; false when there is nothing to go back to.
    bool goBack();

    /// The header line's place in a pane: the caret on its start, the line in view.
    static void showLine(ScriptPane* pane, int line);

private:
    struct Place {
        PaneDocument* document;
        QString file;
        int line;
        int index;
    };

    [[nodiscard]] PaneDocument* documentFor(const DefinitionHit& hit, PaneDocument* from) const;
    [[nodiscard]] bool holds(const PaneDocument* document, const QString& path) const;

    FrontDocument* front_;
    PaneDocument* item_;
    PaneDocument* npc_;
    OpenFile openFile_;
    QList<Place> back_;
};

} // namespace defwright
