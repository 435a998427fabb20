#pragma once

// How a script pane looks: its colours, chosen from the palette, and the
// braces it lights.

class QsciScintilla;

namespace defwright {

class ScriptLexer;

/// Colours the pane, its margins and the lexer's styles from the pane's
/// palette and font, so they read on a light or a dark desktop alike.
void usePaletteLook(QsciScintilla& pane, ScriptLexer& lexer);

/// Lights the brace at or before the caret and its match, or marks it as
/// unmatched; only "{" and "}" are lit, as square brackets and parentheses in
/// a script are not ranges.
void lightBraces(QsciScintilla& pane);

} // namespace defwright
