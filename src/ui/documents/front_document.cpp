#include "ui/documents/front_document.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/pane_document.h"
#include "ui/widgets/tab_control.h"

#include <algorithm>
#include <utility>

namespace defwright {

// The handlers only pass the news on: while the window is being taken down,
// the tabs change as their pages go, and nothing may be read then.
FrontDocument::FrontDocument(TabControl* tabs, QList<PageDocuments> panes, QObject* parent)
    : QObject(parent)
    , tabs_(tabs)
    , panes_(std::move(panes))
{
    connect(tabs_, &TabControl::currentChanged, this, &FrontDocument::frontChanged);
    for (const PageDocuments& pane : std::as_const(panes_)) {
        connect(pane.documents, &DocumentTabs::frontChanged, this, &FrontDocument::frontChanged);
        connect(pane.documents, &DocumentTabs::documentAdded, this, &FrontDocument::watch);
        for (PaneDocument* document : pane.documents->documents())
            watch(document);
    }
}

void FrontDocument::watch(PaneDocument* document)
{
    connect(document, &PaneDocument::changed, this, [this, document] { emit documentChanged(document); });
    emit documentAdded(document);
}

PaneDocument* FrontDocument::document() const
{
    return front().documents->front();
}

ScriptPage* FrontDocument::page() const
{
    return front().documents->page();
}

QList<DocumentTabs*> FrontDocument::panes() const
{
    QList<DocumentTabs*> all;
    for (const PageDocuments& pane : panes_)
        all.append(pane.documents);
    return all;
}

QList<PaneDocument*> FrontDocument::documents() const
{
    QList<PaneDocument*> all;
    for (const PageDocuments& pane : panes_)
        all.append(pane.documents->documents());
    return all;
}

PaneDocument* FrontDocument::documentOf(const QString& path) const
{
    for (const PageDocuments& pane : panes_) {
        if (PaneDocument* document = pane.documents->documentOf(path))
            return document;
    }
    return nullptr;
}

DocumentTabs* FrontDocument::tabsOf(const PaneDocument* document) const
{
    for (const PageDocuments& pane : panes_) {
        if (pane.documents->documents().contains(document))
            return pane.documents;
    }
    return nullptr;
}

void FrontDocument::bringToFront(PaneDocument* document) const
{
    for (const PageDocuments& pane : panes_) {
        if (pane.documents->documents().contains(document)) {
            pane.documents->bringToFront(document);
            tabs_->setCurrentIndex(pane.scriptTab);
        }
    }
}

const PageDocuments& FrontDocument::front() const
{
    const int current = tabs_->currentIndex();
    const auto found = std::find_if(panes_.cbegin(), panes_.cend(), [current](const PageDocuments& pane) {
        return pane.fieldsTab == current || pane.scriptTab == current;
    });
    return found != panes_.cend() ? *found : panes_.constFirst();
}

} // namespace defwright
