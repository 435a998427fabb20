#include "ui/index/definition_navigator.h"

#include "ui/index/index_paths.h"
#include "ui/panes/front_document.h"
#include "ui/panes/pane_document.h"
#include "ui/panes/script_pane.h"

#include <utility>

namespace defwright {
namespace {

constexpr qsizetype kMostPlacesBack = 50;
constexpr int kLinesAboveHeader = 2;

} // namespace

DefinitionNavigator::DefinitionNavigator(FrontDocument* front, PaneDocument* item, PaneDocument* npc,
                                         OpenFile openFile, QObject* parent)
    : QObject(parent)
    , front_(front)
    , item_(item)
    , npc_(npc)
    , openFile_(std::move(openFile))
{
}

PaneDocument* DefinitionNavigator::documentFor(const DefinitionHit& hit, PaneDocument* from) const
{
    if (hit.inPane)
        return from;
    if (hit.kind == "ITEMDEF")
        return item_;
    return hit.kind == "CHARDEF" ? npc_ : from;
}

bool DefinitionNavigator::holds(const PaneDocument* document, const QString& path) const
{
    return !document->filePath().isEmpty() && indexedPath(document->filePath()) == indexedPath(path);
}

void DefinitionNavigator::open(const DefinitionHit& hit, PaneDocument* from)
{
    PaneDocument* document = documentFor(hit, from);
    int line = 0;
    int index = 0;
    from->pane()->getCursorPosition(&line, &index);
    const Place here{from, from->filePath(), line, index};
    if (!hit.inPane) {
        const QString path = toQString(hit.file);
        if (!holds(document, path) && !openFile_(document, path))
            return;
    }
    back_.append(here);
    if (back_.size() > kMostPlacesBack)
        back_.removeFirst();
    front_->bringToFront(document);
    showLine(document->pane(), static_cast<int>(hit.line));
    document->pane()->setFocus(Qt::OtherFocusReason);
}

bool DefinitionNavigator::goBack()
{
    if (back_.isEmpty())
        return false;
    const Place place = back_.takeLast();
    if (!place.file.isEmpty() && !holds(place.document, place.file) && !openFile_(place.document, place.file))
        return false;
    front_->bringToFront(place.document);
    showLine(place.document->pane(), place.line);
    place.document->pane()->setCursorPosition(place.line, place.index);
    place.document->pane()->setFocus(Qt::OtherFocusReason);
    return true;
}

// The header stands near the top of the pane, with a little of what is above it.
void DefinitionNavigator::showLine(ScriptPane* pane, int line)
{
    pane->setCursorPosition(line, 0);
    pane->setFirstVisibleLine(std::max(0, line - kLinesAboveHeader));
    pane->ensureLineVisible(line);
}

} // namespace defwright
