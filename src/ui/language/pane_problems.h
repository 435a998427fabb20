#pragma once

#include "ui/language/document_problems.h"
#include "ui/language/text_check.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <cstdint>

namespace defwright {

class DocumentTabs;
class PaneDocument;
class PaneMarks;
class ScriptPane;
class VocabularySource;

/// Checks the document a pane shows as it is typed into, and marks what is
/// wrong in it. An edit is noted as it is made; a short while after the last
/// one, the sections it touched are checked again on the window's thread, or
/// the whole text, on a worker thread when it is long, when a header or
/// [EOF] may have come or gone. A document is checked whole when it comes to
/// the front, since it may have changed out of view, and so is the one in
/// front when the folder comes to accept other words.
class PaneProblems : public QObject {
    Q_OBJECT

public:
    PaneProblems(DocumentTabs* documents, const VocabularySource* vocabulary, QObject* parent);

    [[nodiscard]] ScriptPane* pane() const { return pane_; }
    [[nodiscard]] PaneMarks* marks() const { return marks_; }

    /// What is known of the problems of the document the pane shows; none while it shows none.
    [[nodiscard]] DocumentProblems* shown();

    /// Checks now what waits for the timer, so the problems are those of the
    /// text as it is; a long text's whole check still ends on its worker.
    void checkNow();

signals:
    /// The problems of the document shown changed, or another one is shown.
    void problemsChanged();

private:
    [[nodiscard]] PaneDocument* shownDocument() const;
    void editing(int position, int modification, int length);
    [[nodiscard]] bool lineOpensSection(std::size_t line) const;
    [[nodiscard]] bool isHeader(std::size_t line) const;
    void documentShown();
    void checkAllAgain();
    void check();
    [[nodiscard]] bool checkSections(DocumentProblems& problems, TextSpan changed);
    void checkWhole(DocumentProblems& problems);
    void takeWhole(PaneDocument* document, TextCheck found, std::uint64_t version);
    void markAll(const std::vector<ScriptProblem>& problems);

    DocumentTabs* documents_;
    ScriptPane* pane_;
    const VocabularySource* vocabulary_;
    PaneMarks* marks_;
    QTimer timer_;
    QHash<const PaneDocument*, DocumentProblems> problems_;
    QHash<const PaneDocument*, std::uint64_t> running_; // the version a worker checks
    QSet<const PaneDocument*> unmarked_;                // shown since their marks were last made
};

} // namespace defwright
