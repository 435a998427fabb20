#include "ui/documents/jump_history.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/panes/script_pane.h"

#include <algorithm>
#include <utility>

namespace defwright {

JumpHistory::JumpHistory(FrontDocument* front, OpenFile openFile, QObject* parent)
    : QObject(parent)
    , front_(front)
    , openFile_(std::move(openFile))
{
}

JumpHistory::Place JumpHistory::here() const
{
    PaneDocument* document = front_->document();
    ScriptPane* pane = document->pane();
    int line = 0;
    int column = 0;
    pane->getCursorPosition(&line, &column);
    return {document, document->editor().markLine(line), column, line - pane->firstVisibleLine(),
            front_->tabs(), document->filePath(), line};
}

void JumpHistory::leaving()
{
    for (Place& place : forward_)
        drop(place);
    forward_.clear();
    remember(back_, here());
}

void JumpHistory::remember(QList<Place>& places, const Place& place)
{
    places.append(place);
    if (places.size() > kMostPlaces) {
        drop(places.first());
        places.removeFirst();
    }
}

void JumpHistory::stayed()
{
    if (back_.isEmpty())
        return;
    drop(back_.last());
    back_.removeLast();
}

bool JumpHistory::goBack()
{
    return go(back_, forward_);
}

bool JumpHistory::goForward()
{
    return go(forward_, back_);
}

// Where the scripter stands now goes onto the other list, so the way back
// is the way forward again.
bool JumpHistory::go(QList<Place>& from, QList<Place>& to)
{
    while (!from.isEmpty()) {
        Place place = from.takeLast();
        PaneDocument* document = documentOf(place);
        if (document == nullptr)
            continue; // its file has gone too: the next place
        remember(to, here());
        front_->bringToFront(document);
        const int line = place.document != nullptr ? document->editor().markedLine(place.mark) : place.line;
        drop(place);
        ScriptPane* pane = document->pane();
        pane->setCursorPosition(std::max(line, 0), place.column);
        pane->setFirstVisibleLine(std::max(0, line - place.linesAbove));
        pane->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
}

PaneDocument* JumpHistory::documentOf(const Place& place) const
{
    if (place.document != nullptr)
        return place.document;
    return place.file.isEmpty() ? nullptr : openFile_(place.pane, place.file);
}

void JumpHistory::forget(PaneDocument* document)
{
    for (QList<Place>* places : {&back_, &forward_}) {
        for (Place& place : *places) {
            if (place.document != document)
                continue;
            place.line = document->editor().markedLine(place.mark);
            place.file = document->filePath();
            place.pane = front_->tabsOf(document);
            drop(place);
        }
    }
}

void JumpHistory::drop(Place& place)
{
    if (place.document != nullptr && place.mark >= 0)
        place.document->editor().unmark(place.mark);
    place.document = nullptr;
    place.mark = -1;
}

} // namespace defwright
