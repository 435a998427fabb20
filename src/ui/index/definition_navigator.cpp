#include "ui/index/definition_navigator.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/jump_history.h"
#include "ui/documents/pane_document.h"
#include "ui/index/index_paths.h"
#include "ui/panes/script_pane.h"

#include <utility>

namespace defwright {
namespace {

constexpr int kLinesAboveHeader = 2;

} // namespace

DefinitionNavigator::DefinitionNavigator(FrontDocument* front, DocumentTabs* item, DocumentTabs* npc,
                                         OpenFile openFile, QObject* parent)
    : QObject(parent)
    , front_(front)
    , item_(item)
    , npc_(npc)
    , openFile_(std::move(openFile))
    , history_(new JumpHistory(front, openFile_, this))
{
    for (DocumentTabs* pane : {item, npc})
        connect(pane, &DocumentTabs::documentClosing, history_, &JumpHistory::forget);
}

DocumentTabs* DefinitionNavigator::paneFor(const DefinitionHit& hit, PaneDocument* from) const
{
    if (hit.kind == "ITEMDEF")
        return item_;
    return hit.kind == "CHARDEF" ? npc_ : front_->tabsOf(from);
}

void DefinitionNavigator::open(const DefinitionHit& hit, PaneDocument* from)
{
    front_->bringToFront(from);
    history_->leaving();
    PaneDocument* document = from;
    if (!hit.inPane) {
        const QString path = toQString(hit.file);
        document = front_->documentOf(path);
        if (document == nullptr)
            document = openFile_(paneFor(hit, from), path);
    }
    if (document == nullptr) {
        history_->stayed();
        return;
    }
    front_->bringToFront(document);
    showLine(document->pane(), static_cast<int>(hit.line));
    document->pane()->setFocus(Qt::OtherFocusReason);
}

bool DefinitionNavigator::goBack()
{
    return history_->goBack();
}

bool DefinitionNavigator::goForward()
{
    return history_->goForward();
}

// The header stands near the top of the pane, with a little of what is above it.
void DefinitionNavigator::showLine(ScriptPane* pane, int line)
{
    pane->setCursorPosition(line, 0);
    pane->setFirstVisibleLine(std::max(0, line - kLinesAboveHeader));
    pane->ensureLineVisible(line);
}

} // namespace defwright
