#pragma once

#include <QList>
#include <QObject>

namespace defwright {

class PaneDocument;
class ScriptPage;
class TabControl;

/// A script page, its pane's document, and the tabs they go with: the page's
/// own and that of the field page whose script it shows.
struct DocumentTabs {
    int fieldsTab;
    int scriptTab;
    ScriptPage* page;
    PaneDocument* document;
};

/// The one place that says which script is in front: the one whose script
/// page or field page is showing (the item script from the item pages, the
/// NPC script from the NPC pages). Every command that works on "the script"
/// and the status bar ask it.
class FrontDocument : public QObject {
    Q_OBJECT

public:
    FrontDocument(TabControl* tabs, QList<DocumentTabs> documents, QObject* parent);

    [[nodiscard]] PaneDocument* document() const { return front().document; }
    [[nodiscard]] ScriptPage* page() const { return front().page; }
    [[nodiscard]] QList<PaneDocument*> documents() const;

    /// Shows the script page of `document`.
    void bringToFront(const PaneDocument* document) const;

signals:
    /// Another page came to the front; the script in front may be another one.
    void frontChanged();

private:
    [[nodiscard]] const DocumentTabs& front() const;

    TabControl* tabs_;
    QList<DocumentTabs> documents_;
};

} // namespace defwright
