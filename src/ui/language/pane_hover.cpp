#include "ui/language/pane_hover.h"

#include "ui/documents/document_tabs.h"
#include "ui/documents/pane_document.h"
#include "ui/language/language_info.h"
#include "ui/language/pane_problems.h"
#include "ui/language/problem_texts.h"
#include "ui/panes/pane_marks.h"
#include "ui/panes/pane_places.h"
#include "ui/panes/script_pane.h"

#include <QHelpEvent>
#include <QToolTip>

namespace defwright {

PaneHover::PaneHover(DocumentTabs* documents, PaneProblems* problems, const LanguageInfo* info)
    : QObject(problems)
    , documents_(documents)
    , problems_(problems)
    , info_(info)
{
    problems_->pane()->viewport()->installEventFilter(this);
}

QStringList PaneHover::linesAt(std::size_t position) const
{
    QStringList lines;
    problems_->checkNow();
    if (DocumentProblems* known = problems_->shown()) {
        for (const ScriptProblem& problem : known->problems()) {
            if (problem.span.start > position)
                break;
            if (position < problem.span.end)
                lines << problemLine(problem);
        }
    }
    const QStringList info = info_->at(*documents_->front(), position);
    if (!lines.isEmpty() && !info.isEmpty())
        lines << QString();
    return lines << info;
}

QStringList PaneHover::lineProblems(std::size_t line) const
{
    QStringList lines;
    problems_->checkNow();
    const std::size_t start = lineStart(*problems_->pane(), line);
    const std::size_t end = lineEnd(*problems_->pane(), line);
    if (DocumentProblems* known = problems_->shown()) {
        for (const ScriptProblem& problem : known->problems()) {
            if (problem.span.start >= start && problem.span.start <= end)
                lines << problemLine(problem);
        }
    }
    return lines;
}

// The pane's own tool tip, which tells how Tab works there, stays its
// description for screen readers; over the text it gives way to these.
bool PaneHover::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || documents_->front() == nullptr)
        return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    const ScriptPane& pane = *problems_->pane();
    QStringList lines;
    if (problems_->marks()->overSymbols(help->pos())) {
        if (const std::optional<std::size_t> line = lineAtHeight(pane, help->pos()))
            lines = lineProblems(*line);
    } else if (const std::optional<std::size_t> position = positionAt(pane, help->pos())) {
        lines = linesAt(*position);
    }
    if (lines.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tooltipText(lines), pane.viewport());
    return true;
}

} // namespace defwright
