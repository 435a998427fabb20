#include "ui/language/language_commands.h"

#include "core/script/text_edit.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "ui/language/pane_completion.h"
#include "ui/language/pane_hover.h"
#include "ui/language/pane_problems.h"
#include "ui/language/problem_texts.h"
#include "ui/index/vocabulary_source.h"
#include "ui/panes/pane_places.h"
#include "ui/panes/script_pane.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolTip>

namespace defwright {
namespace {

constexpr int kMessageTime = 20000;

} // namespace

LanguageCommands::LanguageCommands(const Parts& parts)
    : QObject(parts.window)
    , parts_(parts)
    , vocabulary_(parts.vocabulary)
    , info_(vocabulary_)
    , count_(new QLabel(parts.statusBar))
{
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        DocumentTabs* documents = i == 0 ? parts.item : parts.npc;
        auto* problems = new PaneProblems(documents, vocabulary_, this);
        panes_.at(i) = {documents, problems, new PaneHover(documents, problems, &info_)};
        new PaneCompletion(documents->pane(), vocabulary_);
        connect(problems, &PaneProblems::problemsChanged, this, &LanguageCommands::showCount);
        connect(documents->pane(), &ScriptPane::contextMenuOpening, this,
                [this, i](QMenu* menu, std::optional<QPoint> point) {
                    const ScriptPane& pane = *panes_.at(i).documents->pane();
                    const std::optional<std::size_t> place = point ? positionAt(pane, *point) : std::nullopt;
                    offerFixes(panes_.at(i), menu, place.value_or(pane.caretPosition()));
                });
        // What Show Info said is of the place it was asked at.
        connect(documents->pane(), &ScriptPane::cursorPositionChanged, this, [pane = documents->pane()] {
            if (!pane->accessibleDescription().isEmpty())
                pane->setAccessibleDescription({});
        });
    }
    count_->setObjectName(QStringLiteral("lblStatusProblems"));
    parts.statusBar->addPermanentWidget(count_);
    connect(parts.front, &FrontDocument::frontChanged, this, &LanguageCommands::showCount);
    addActions(parts.scriptMenu);
    showCount();
}

void LanguageCommands::addActions(QMenu* menu)
{
    const auto action = [this, menu](const char* name, const QString& caption, const QKeySequence& shortcut,
                                     void (LanguageCommands::*slot)()) {
        auto* created = new QAction(caption, this);
        created->setObjectName(QString::fromLatin1(name));
        created->setShortcut(shortcut);
        menu->addAction(created);
        parts_.window->addAction(created); // its key works wherever the focus is in the window
        connect(created, &QAction::triggered, this, slot);
        actions_.append(created);
    };
    menu->addSeparator();
    action("mnuNextProblem", tr("Next &Problem"), QKeySequence(Qt::Key_F8), &LanguageCommands::mnuNextProblem_Click);
    action("mnuPreviousProblem", tr("Pre&vious Problem"), QKeySequence(Qt::SHIFT | Qt::Key_F8),
           &LanguageCommands::mnuPreviousProblem_Click);
    action("mnuFixProblem", tr("Fi&x Problem"), QKeySequence(Qt::CTRL | Qt::Key_Period),
           &LanguageCommands::mnuFixProblem_Click);
    action("mnuShowInfo", tr("Show &Info"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space),
           &LanguageCommands::mnuShowInfo_Click);
}

QList<QKeySequence> LanguageCommands::shortcuts() const
{
    QList<QKeySequence> sequences;
    for (const QAction* action : actions_)
        sequences.append(action->shortcut());
    return sequences;
}

LanguageCommands::Pane& LanguageCommands::front()
{
    return parts_.front->tabs() == panes_[1].documents ? panes_[1] : panes_[0];
}

void LanguageCommands::mnuNextProblem_Click()
{
    step(true);
}

void LanguageCommands::mnuPreviousProblem_Click()
{
    step(false);
}

// From the caret to the next problem's first byte, round the ends, with the
// problem in the status bar for those who do not see the marks.
void LanguageCommands::step(bool forward)
{
    Pane& pane = front();
    pane.problems->checkNow();
    DocumentProblems* known = pane.problems->shown();
    ScriptPane* editor = pane.documents->pane();
    const std::size_t caret = editor->caretPosition();
    const ScriptProblem* problem = known == nullptr ? nullptr : forward ? known->next(caret) : known->previous(caret);
    if (problem == nullptr) {
        parts_.statusBar->showMessage(tr("No problems in this script"), kMessageTime);
        return;
    }
    const bool wrapped = forward ? problem->span.start <= caret : problem->span.start >= caret;
    parts_.front->bringToFront(pane.documents->front());
    placeCaret(*editor, problem->span.start);
    editor->setFocus();
    QString message = tr("Line %L1: %2").arg(lineOf(*editor, problem->span.start) + 1).arg(problemLine(*problem));
    if (wrapped)
        message += forward ? tr(" (went on from the top)") : tr(" (went on from the bottom)");
    parts_.statusBar->showMessage(message, kMessageTime);
}

void LanguageCommands::showCount()
{
    if (count_ == nullptr)
        return;
    DocumentProblems* known = front().problems->shown();
    const QString count = known == nullptr ? QString() : problemCount(known->problems());
    count_->setText(count);
    count_->setAccessibleName(tr("Problems: %1").arg(count));
}

void LanguageCommands::mnuFixProblem_Click()
{
    Pane& pane = front();
    ScriptPane* editor = pane.documents->pane();
    const std::vector<TextEdit> fixes = fixesAt(pane, editor->caretPosition());
    if (fixes.empty()) {
        parts_.statusBar->showMessage(tr("No fix for a problem at the caret"), kMessageTime);
        return;
    }
    parts_.front->bringToFront(pane.documents->front());
    applyFix(editor, fixes.front());
}

// The fixes of the problems at a place, or right after one, as a caret after a misspelt word stands.
std::vector<TextEdit> LanguageCommands::fixesAt(Pane& pane, std::size_t position)
{
    std::vector<TextEdit> fixes;
    pane.problems->checkNow();
    if (DocumentProblems* known = pane.problems->shown()) {
        for (const ScriptProblem& problem : known->problems()) {
            if (problem.fix && problem.span.start <= position && position <= problem.span.end)
                fixes.push_back(*problem.fix);
        }
    }
    return fixes;
}

void LanguageCommands::offerFixes(Pane& pane, QMenu* menu, std::size_t position)
{
    QAction* first = menu->actions().isEmpty() ? nullptr : menu->actions().constFirst();
    ScriptPane* editor = pane.documents->pane();
    for (const TextEdit& fix : fixesAt(pane, position)) {
        auto* action = new QAction(tr("Replace with %1").arg(QString::fromStdString(fix.replacement)), menu);
        action->setObjectName(QStringLiteral("mnuApplyFix"));
        connect(action, &QAction::triggered, this, [this, editor, fix] { applyFix(editor, fix); });
        menu->insertAction(first, action);
    }
    if (first != nullptr && menu->actions().constFirst() != first)
        menu->insertSeparator(first);
}

void LanguageCommands::applyFix(ScriptPane* pane, const TextEdit& fix)
{
    if (fix.end <= textLength(*pane))
        pane->replaceRange(fix.start, fix.end, fix.replacement);
}

// The tooltip shows it; screen readers hear it as the pane's description
// until the caret moves on.
void LanguageCommands::mnuShowInfo_Click()
{
    Pane& pane = front();
    ScriptPane* editor = pane.documents->pane();
    const std::size_t caret = editor->caretPosition();
    QStringList lines = pane.hover->linesAt(caret);
    if (lines.isEmpty() && caret > 0)
        lines = pane.hover->linesAt(caret - 1); // the caret right after a word
    if (lines.isEmpty()) {
        parts_.statusBar->showMessage(tr("Nothing to tell of the place at the caret"), kMessageTime);
        return;
    }
    parts_.front->bringToFront(pane.documents->front());
    const QPoint below = editor->viewport()->mapToGlobal(pointBelow(*editor, caret));
    QToolTip::showText(below, tooltipText(lines), editor->viewport());
    lines.removeAll(QString());
    editor->setAccessibleDescription(lines.join(QStringLiteral("\n")));
    QAccessibleEvent described(editor, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

} // namespace defwright
