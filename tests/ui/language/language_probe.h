#pragma once

// What the language's window tests share: the marks of a pane read back,
// the checker of a pane reached, the problem count of the status bar.

#include "core/language/script_problem.h"
#include "scripts_folder_fixture.h"
#include "ui/language/pane_problems.h"

#include <QStatusBar>

#include <array>
#include <set>
#include <tuple>

namespace defwright::test {

// The pane's indicators and margin markers, by severity (see PaneMarks).
inline constexpr std::array<int, 3> kProblemIndicators = {9, 10, 11};
inline constexpr std::array<int, 3> kProblemMarkers = {3, 4, 5};

inline ScriptPane* scriptPane(const QWidget& window, const QString& name)
{
    return control<ScriptPane>(window, name);
}

inline PaneProblems* paneProblems(const QWidget& window, const QString& name)
{
    for (PaneProblems* problems : window.findChildren<PaneProblems*>()) {
        if (problems->pane()->objectName() == name)
            return problems;
    }
    qFatal("no checker of %s", qPrintable(name));
}

inline bool squiggled(ScriptPane* pane, Severity severity, std::size_t position)
{
    return pane->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT,
                               kProblemIndicators.at(static_cast<std::size_t>(severity)), position)
        != 0;
}

inline bool markedLine(ScriptPane* pane, Severity severity, int line)
{
    return (pane->markersAtLine(line) & (1U << kProblemMarkers.at(static_cast<std::size_t>(severity)))) != 0;
}

// Every squiggled range of the pane as (severity, start, end), runs next to each other joined.
using Runs = std::set<std::tuple<int, std::size_t, std::size_t>>;

inline Runs squiggles(ScriptPane* pane)
{
    Runs runs;
    const auto length = static_cast<std::size_t>(pane->SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    for (std::size_t severity = 0; severity < kProblemIndicators.size(); ++severity) {
        const unsigned long indicator = static_cast<unsigned long>(kProblemIndicators[severity]);
        for (std::size_t at = 0; at < length;) {
            const auto end = static_cast<std::size_t>(pane->SendScintilla(QsciScintillaBase::SCI_INDICATOREND, indicator,
                                                                          static_cast<long>(at)));
            if (pane->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, static_cast<long>(at)) != 0)
                runs.insert({static_cast<int>(severity), at, end});
            at = end > at ? end : length;
        }
    }
    return runs;
}

// The same made from a list of problems.
inline Runs squiggles(const std::vector<ScriptProblem>& problems)
{
    std::array<std::vector<bool>, 3> marked;
    std::size_t length = 0;
    for (const ScriptProblem& problem : problems)
        length = std::max(length, problem.span.end);
    for (std::vector<bool>& bytes : marked)
        bytes.assign(length + 1, false);
    for (const ScriptProblem& problem : problems) {
        for (std::size_t at = problem.span.start; at < problem.span.end; ++at)
            marked.at(static_cast<std::size_t>(problem.severity))[at] = true;
    }
    Runs runs;
    for (std::size_t severity = 0; severity < marked.size(); ++severity) {
        for (std::size_t at = 0; at < length;) {
            std::size_t end = at;
            while (end < length && marked[severity][end] == marked[severity][at])
                ++end;
            if (marked[severity][at])
                runs.insert({static_cast<int>(severity), at, end});
            at = end;
        }
    }
    return runs;
}

inline std::size_t placeOf(ScriptPane* pane, std::string_view what)
{
    return std::string(pane->bytes()).find(what);
}

// The middle of the character `offset` bytes into the first `what` of the pane.
inline QPoint pointOf(ScriptPane* pane, std::string_view what, std::size_t offset = 1)
{
    const auto at = static_cast<long>(placeOf(pane, what) + offset);
    const long height = pane->SendScintilla(ScriptPane::SCI_TEXTHEIGHT, 0UL);
    return {static_cast<int>(pane->SendScintilla(ScriptPane::SCI_POINTXFROMPOSITION, 0UL, at)) + 2,
            static_cast<int>(pane->SendScintilla(ScriptPane::SCI_POINTYFROMPOSITION, 0UL, at) + height / 2)};
}

inline QString problemCount(const QWidget& window)
{
    return control<QLabel>(window, QStringLiteral("lblStatusProblems"))->text();
}

inline QString statusMessage(const QWidget& window)
{
    return control<QStatusBar>(window, QStringLiteral("sbrStatus"))->currentMessage();
}

// Waits until the status bar counts `count` for the document in front.
inline bool counted(const QWidget& window, const QString& count)
{
    return QTest::qWaitFor([&] { return problemCount(window) == count; });
}

} // namespace defwright::test
