#pragma once

// What the window asks of a pane's caret, so that nothing outside the panes
// speaks to the editor itself.

#include <QPoint>
#include <QString>

namespace defwright {

class ScriptPane;

/// Where the caret stands on its line, from 0, a tab counting as far as it
/// reaches, as the status bar shows it.
[[nodiscard]] int caretColumn(const ScriptPane& pane);

/// The name the caret stands in or right after (see nameAt()); empty when
/// there is none.
[[nodiscard]] QString nameAtCaret(const ScriptPane& pane);

/// The caret's top left corner in the pane's viewport.
[[nodiscard]] QPoint caretPoint(const ScriptPane& pane);

/// Puts the caret on the character nearest the point of the viewport.
/// Returns false, and leaves the caret, when no character is near it.
bool placeCaretAt(ScriptPane& pane, QPoint point);

} // namespace defwright
