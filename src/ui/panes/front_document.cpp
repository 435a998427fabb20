#include "ui/panes/front_document.h"

#include "ui/widgets/tab_control.h"

#include <algorithm>
#include <utility>

namespace defwright {

// The handler only passes the news on: while the window is being taken down,
// the tabs change as their pages go, and nothing may be read then.
FrontDocument::FrontDocument(TabControl* tabs, QList<DocumentTabs> documents, QObject* parent)
    : QObject(parent)
    , tabs_(tabs)
    , documents_(std::move(documents))
{
    connect(tabs_, &TabControl::currentChanged, this, &FrontDocument::frontChanged);
}

QList<PaneDocument*> FrontDocument::documents() const
{
    QList<PaneDocument*> all;
    for (const DocumentTabs& tabs : documents_)
        all.append(tabs.document);
    return all;
}

void FrontDocument::bringToFront(const PaneDocument* document) const
{
    for (const DocumentTabs& tabs : documents_) {
        if (tabs.document == document)
            tabs_->setCurrentIndex(tabs.scriptTab);
    }
}

const DocumentTabs& FrontDocument::front() const
{
    const int current = tabs_->currentIndex();
    const auto found = std::find_if(documents_.cbegin(), documents_.cend(), [current](const DocumentTabs& tabs) {
        return tabs.fieldsTab == current || tabs.scriptTab == current;
    });
    return found != documents_.cend() ? *found : documents_.constFirst();
}

} // namespace defwright
