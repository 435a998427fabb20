#pragma once

#include <string>
#include <string_view>

namespace defwright {

/// How a script's lines end.
enum class LineBreak { CrLf, Lf, Cr };

[[nodiscard]] std::string_view lineBreakText(LineBreak lineBreak);

/// True when every CR LF, lone CR and lone LF of the text already is `lineBreak`.
[[nodiscard]] bool hasOnlyLineBreaks(std::string_view text, LineBreak lineBreak);

/// The text with every CR LF, every lone CR and every lone LF made `lineBreak`;
/// nothing else changes. Works on UTF-8 as on any bytes, since neither CR nor
/// LF is part of another character there.
[[nodiscard]] std::string withLineBreaks(std::string_view text, LineBreak lineBreak);

} // namespace defwright
