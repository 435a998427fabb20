#pragma once

#include "core/language/script_problem.h"

#include <QObject>

#include <cstddef>

class QPoint;

namespace defwright {

class ScriptPane;

/// The marks of problems in a script pane: a squiggle under a span (red for
/// an error, amber for a warning, dotted for a hint) and a symbol of the same
/// colour and its own shape in a margin of their own, on the span's first
/// line. Both are the document's: they move with its edits, stay with it
/// while another document is shown, and are never written to a file. Their
/// colours are chosen against the pane's background, light or dark.
class PaneMarks : public QObject {
    Q_OBJECT

public:
    explicit PaneMarks(ScriptPane* pane);

    /// Takes away the squiggles in [start, end) and the symbols of the lines it
    /// touches; those of a line that begins at `end` stay.
    void clear(std::size_t start, std::size_t end);
    void mark(Severity severity, TextSpan span);

    /// Whether a point of the pane's viewport lies over the margin of the symbols.
    [[nodiscard]] bool overSymbols(const QPoint& point) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void useColours();
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;

    ScriptPane* pane_;
};

} // namespace defwright
