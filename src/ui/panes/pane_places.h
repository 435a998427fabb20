#pragma once

#include <QPoint>

#include <cstddef>
#include <optional>

namespace defwright {

class ScriptPane;

// Lines and places of the document a pane shows, as byte positions, read
// through the editor's line index without joining its text.

[[nodiscard]] std::size_t textLength(const ScriptPane& pane);
[[nodiscard]] std::size_t lineCount(const ScriptPane& pane);
/// The number, from 0, of the line that holds byte `position`.
[[nodiscard]] std::size_t lineOf(const ScriptPane& pane, std::size_t position);
[[nodiscard]] std::size_t lineStart(const ScriptPane& pane, std::size_t line);
/// Where the line's break begins, or the text's end.
[[nodiscard]] std::size_t lineEnd(const ScriptPane& pane, std::size_t line);

/// The first byte of the character under a point of the pane's viewport; none where no text is.
[[nodiscard]] std::optional<std::size_t> positionAt(const ScriptPane& pane, const QPoint& point);
/// The line at a point's height in the viewport, for the margins; none below the last.
[[nodiscard]] std::optional<std::size_t> lineAtHeight(const ScriptPane& pane, const QPoint& point);
/// Where byte `position` is drawn in the viewport: the bottom left of its line.
[[nodiscard]] QPoint pointBelow(const ScriptPane& pane, std::size_t position);

/// Puts the caret at byte `position`, without a selection, scrolled into view.
void placeCaret(ScriptPane& pane, std::size_t position);

} // namespace defwright
