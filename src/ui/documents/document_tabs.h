#pragma once

#include "core/files/script_format.h"
#include "core/script/definition_text.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <string_view>

class QTabBar;

namespace defwright {

class DefinitionTie;
class PaneDocument;
class ScriptPage;
class ScriptPane;

/// The documents of one script pane, in the order of the tabs above it: the
/// form's own script first, always there and never closed, then the files
/// opened into the pane. One of them is in front, shown in the pane. Each
/// tab shows its document's name, a "*" while it differs from its file and
/// the full path as its tool tip; a tab's button or a middle click asks to
/// close its document, and a drag reorders the files.
///
/// The fields of the pane's page are tied to at most one definition, in one
/// of these documents.
class DocumentTabs : public QObject {
    Q_OBJECT

public:
    /// How the pane is known: to the recent files and the kept session, and to the scripter.
    struct Names {
        QString key;      ///< "item", "npc"
        QString note;     ///< what the recent files add to its files, if anything
        QString formName; ///< the form's script while it has no file
    };

    DocumentTabs(ScriptPage* page, Names names, const DefinitionKind& definitions, QObject* parent);

    [[nodiscard]] const Names& names() const { return names_; }
    [[nodiscard]] ScriptPage* page() const { return page_; }
    [[nodiscard]] ScriptPane* pane() const;
    [[nodiscard]] DefinitionTie* tie() const { return tie_; }

    [[nodiscard]] PaneDocument* form() const { return form_; }
    [[nodiscard]] PaneDocument* front() const { return front_; }
    [[nodiscard]] const QList<PaneDocument*>& documents() const { return documents_; }
    /// The document that holds the file, as the system compares paths; none if none does.
    [[nodiscard]] PaneDocument* documentOf(const QString& path) const;
    /// The document the fields are tied to; none while they are not.
    [[nodiscard]] PaneDocument* tiedDocument() const;

    /// A new document holding the file's text, its tab last; the front stays.
    PaneDocument* open(const QString& path, const ScriptFormat& format, std::string_view paneText);

    void bringToFront(PaneDocument* document);
    /// The document `step` tabs on from the one in front, round the ends.
    [[nodiscard]] PaneDocument* neighbour(int step) const;

    /// Closes a file's document without a question; a tie to it ends.
    void close(PaneDocument* document);

signals:
    /// Another document came to the front.
    void frontChanged();
    void documentAdded(PaneDocument* document);
    /// The document is about to go.
    void documentClosing(PaneDocument* document);
    /// The scripter asked to close it, with its tab's button or a middle click.
    void closeRequested(PaneDocument* document);
    void orderChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void add(PaneDocument* document);
    void showTab(const PaneDocument* document);
    void showTabSoon(const PaneDocument* document);
    void showPendingTabs();
    void tabChosen(int index);
    void tabMoved(int from, int to);
    void keepFormFirst();

    ScriptPage* page_;
    QTabBar* bar_;
    Names names_;
    DefinitionTie* tie_;
    QList<PaneDocument*> documents_;
    PaneDocument* form_;
    PaneDocument* front_ = nullptr;
    QSet<const PaneDocument*> pendingTabs_;
};

} // namespace defwright
