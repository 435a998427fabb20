#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace defwright {

class DocumentTabs;
class PaneDocument;
class ScriptPage;
class TabControl;

/// A script pane's documents and the tabs of the window they go with: their
/// script page's own and that of the field page whose script it shows.
struct PageDocuments {
    int fieldsTab;
    int scriptTab;
    DocumentTabs* documents;
};

/// The one place that says which document is in front: of the pane whose
/// script page or field page is showing (the item pane from the item pages,
/// the NPC pane from the NPC pages), the document that pane shows. Every
/// command that works on "the script", the status bar, the caption, the
/// folder index and the kept session ask it.
class FrontDocument : public QObject {
    Q_OBJECT

public:
    FrontDocument(TabControl* tabs, QList<PageDocuments> panes, QObject* parent);

    [[nodiscard]] PaneDocument* document() const;
    /// The documents of the pane in front.
    [[nodiscard]] DocumentTabs* tabs() const { return front().documents; }
    [[nodiscard]] ScriptPage* page() const;
    [[nodiscard]] QList<DocumentTabs*> panes() const;
    /// Every open document, pane by pane, each in its tabs' order.
    [[nodiscard]] QList<PaneDocument*> documents() const;
    /// The document that holds the file, in whichever pane; none if none does.
    [[nodiscard]] PaneDocument* documentOf(const QString& path) const;
    [[nodiscard]] DocumentTabs* tabsOf(const PaneDocument* document) const;

    /// Shows the document in its pane and the pane's script page.
    void bringToFront(PaneDocument* document) const;

signals:
    /// Another page or another document came to the front; the document in
    /// front may be another one.
    void frontChanged();
    /// A document's file, format or whether it differs from it changed.
    void documentChanged(PaneDocument* document);
    void documentAdded(PaneDocument* document);

private:
    [[nodiscard]] const PageDocuments& front() const;
    void watch(PaneDocument* document);

    TabControl* tabs_;
    QList<PageDocuments> panes_;
};

} // namespace defwright
