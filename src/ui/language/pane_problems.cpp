#include "ui/language/pane_problems.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/pane_document.h"
#include "ui/index/vocabulary_source.h"
#include "ui/panes/pane_marks.h"
#include "ui/panes/pane_places.h"
#include "ui/panes/script_pane.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

#include <cstring>
#include <string>

namespace defwright {
namespace {

constexpr int kCheckDelay = 250;               // milliseconds after the last edit
constexpr std::size_t kCheckHereBytes = 256 * 1024; // more is checked on a worker thread
constexpr std::size_t kMostLinesLooked = 20000; // for a section's ends; past it the whole text is checked

bool holds(std::string_view text, char character)
{
    return std::memchr(text.data(), character, text.size()) != nullptr;
}

} // namespace

PaneProblems::PaneProblems(DocumentTabs* documents, const VocabularySource* vocabulary, QObject* parent)
    : QObject(parent)
    , documents_(documents)
    , pane_(documents->pane())
    , vocabulary_(vocabulary)
    , marks_(new PaneMarks(pane_))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &PaneProblems::check);
    connect(pane_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int modification, const char* /*text*/, int length) {
                editing(position, modification, length);
            });
    connect(pane_, &ScriptPane::documentShown, this, &PaneProblems::documentShown);
    connect(documents_, &DocumentTabs::documentClosing, this, [this](const PaneDocument* document) {
        problems_.remove(document);
        running_.remove(document);
        unmarked_.remove(document);
    });
    connect(vocabulary_, &VocabularySource::changed, this, &PaneProblems::checkAllAgain);
    documentShown();
}

PaneDocument* PaneProblems::shownDocument() const
{
    for (PaneDocument* document : documents_->documents()) {
        if (&document->editor() == pane_->shownDocument())
            return document;
    }
    return nullptr;
}

DocumentProblems* PaneProblems::shown()
{
    PaneDocument* document = shownDocument();
    return document == nullptr ? nullptr : &problems_[document];
}

void PaneProblems::checkNow()
{
    if (timer_.isActive()) {
        timer_.stop();
        check();
    }
}

// Only a header can change what the sections after it are, so an edit that
// may make or unmake one asks for the whole text to be checked: one made in
// a header's line, or one that takes out a "[" or joins a header's line to
// the one above. The text is still as it was before the edit, and the
// editor does not tell what it is about to put in: a header that text makes
// begins a line of the range checked again, which the check of the sections
// looks for.
void PaneProblems::editing(int position, int modification, int length)
{
    const bool inserting = (modification & ScriptPane::SC_MOD_BEFOREINSERT) != 0;
    if ((!inserting && (modification & ScriptPane::SC_MOD_BEFOREDELETE) == 0) || length <= 0)
        return;
    DocumentProblems* problems = shown();
    if (problems == nullptr)
        return;
    const auto at = static_cast<std::size_t>(position);
    const auto size = static_cast<std::size_t>(length);
    bool structural = lineOpensSection(lineOf(*pane_, at));
    if (inserting) {
        problems->edited({at, 0, size}, structural);
    } else {
        structural = structural || holds(pane_->bytesIn(at, at + size), '[')
            || lineOpensSection(lineOf(*pane_, at + size));
        problems->edited({at, size, 0}, structural);
    }
    timer_.start(kCheckDelay);
}

bool PaneProblems::lineOpensSection(std::size_t line) const
{
    const std::size_t start = lineStart(*pane_, line);
    return beginsAsHeader(pane_->bytesIn(start, lineEnd(*pane_, line)));
}

// A section begins only at a header with its "]", as the checker reads them.
bool PaneProblems::isHeader(std::size_t line) const
{
    const std::string_view text = pane_->bytesIn(lineStart(*pane_, line), lineEnd(*pane_, line));
    return beginsAsHeader(text) && scriptLineAt(text, 0).kind == LineKind::Header;
}

// Edits made out of view moved the marks without telling, so they are made
// again from the check.
void PaneProblems::documentShown()
{
    if (DocumentProblems* problems = shown()) {
        problems->checkAllAgain();
        unmarked_.insert(shownDocument());
        timer_.start(0);
    }
    emit problemsChanged();
}

void PaneProblems::checkAllAgain()
{
    for (DocumentProblems& problems : problems_)
        problems.checkAllAgain();
    if (shown() != nullptr)
        timer_.start(0);
}

void PaneProblems::check()
{
    DocumentProblems* problems = shown();
    if (problems == nullptr)
        return;
    if (!problems->wantsWholeCheck() && problems->changedRange()) {
        if (checkSections(*problems, *problems->changedRange()))
            return;
        problems->checkAllAgain();
    }
    if (problems->wantsWholeCheck())
        checkWhole(*problems);
}

// The sections from the header at or above the range's first line to the
// next header after its last; false when a line of the range begins as a
// header does, or the headers are too far to look for.
bool PaneProblems::checkSections(DocumentProblems& problems, TextSpan changed)
{
    const std::size_t first = lineOf(*pane_, changed.start);
    const std::size_t last = lineOf(*pane_, changed.end);
    if (last - first > kMostLinesLooked)
        return false;
    for (std::size_t line = first; line <= last; ++line) {
        if (lineOpensSection(line))
            return false;
    }
    std::size_t top = first;
    std::size_t bottom = last + 1;
    const std::size_t lines = lineCount(*pane_);
    while (top > 0 && !isHeader(top) && first - top < kMostLinesLooked)
        --top;
    while (bottom < lines && !isHeader(bottom) && bottom - last < kMostLinesLooked)
        ++bottom;
    const TextSpan sections{lineStart(*pane_, top), bottom < lines ? lineStart(*pane_, bottom) : textLength(*pane_)};
    if ((top > 0 && !isHeader(top)) || (bottom < lines && !isHeader(bottom)) || sections.size() > kCheckHereBytes)
        return false;
    const std::optional<std::size_t> end = problems.end();
    std::vector<ScriptProblem> found;
    if (!end || sections.start < *end)
        found = checkSectionsAt(pane_->bytesIn(sections.start, sections.end), sections.start, *vocabulary_->vocabulary());
    marks_->clear(sections.start, sections.end);
    for (const ScriptProblem& problem : found)
        marks_->mark(problem.severity, problem.span);
    problems.takeSections(sections, std::move(found));
    emit problemsChanged();
    return true;
}

// A long text is copied for a worker thread, which may take long enough for
// the text to change meanwhile: then its problems are let go, and the
// check after the next edit's pause finds them again.
void PaneProblems::checkWhole(DocumentProblems& problems)
{
    PaneDocument* document = shownDocument();
    const std::uint64_t version = problems.version();
    const std::string_view text = pane_->bytes();
    if (text.size() <= kCheckHereBytes) {
        takeWhole(document, checkWholeText(text, *vocabulary_->vocabulary()), version);
        return;
    }
    if (running_.contains(document) && running_.value(document) == version)
        return;
    running_.insert(document, version);
    auto* watcher = new QFutureWatcher<TextCheck>(this);
    connect(watcher, &QFutureWatcher<TextCheck>::finished, this,
            [this, watcher, version, document = QPointer<PaneDocument>(document)] {
                watcher->deleteLater();
                if (document != nullptr && running_.value(document) == version) {
                    running_.remove(document);
                    takeWhole(document, watcher->result(), version);
                }
            });
    watcher->setFuture(QtConcurrent::run(
        [text = std::string(text), vocabulary = vocabulary_->vocabulary()] { return checkWholeText(text, *vocabulary); }));
}

// Found for a document no longer shown, the problems wait for its next
// showing, which checks it again; its marks could not be made now. The
// margin symbols are made anew even when the problems are the same: the
// editor moves a symbol of a line taken out to the line above, and an undo
// does not move it back.
void PaneProblems::takeWhole(PaneDocument* document, TextCheck found, std::uint64_t version)
{
    if (!problems_.contains(document) || pane_->shownDocument() != &document->editor())
        return;
    DocumentProblems& problems = problems_[document];
    if (!problems.takeWhole(std::move(found.problems), found.end, version))
        return;
    unmarked_.remove(document);
    markAll(problems.problems());
    emit problemsChanged();
}

void PaneProblems::markAll(const std::vector<ScriptProblem>& problems)
{
    marks_->clear(0, textLength(*pane_));
    for (const ScriptProblem& problem : problems)
        marks_->mark(problem.severity, problem.span);
}

} // namespace defwright
