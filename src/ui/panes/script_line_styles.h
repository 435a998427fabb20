#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace defwright {

/// What a stretch of a script line is, as the panes colour it. The numbers
/// are the pane's style numbers; Plain is everything no rule matches.
enum class ScriptStyle : std::uint8_t { Plain, Key, Value, Range, Trigger, Header, Comment };

/// Gives each byte of one line (UTF-8, without its line break) its style.
/// The rules, where a later one wins over an earlier one on the same bytes:
/// a key is the text before the line's first "=" (leading and trailing blanks
/// left out); a value everything after that "="; a range "{...}" with no
/// brace inside; a trigger "ON=@NAME" at the line's start, in any case and
/// with blanks around the "="; a section header "[...]" at the line's start;
/// a comment from "//" to the end of the line.
void styleScriptLine(std::string_view line, std::span<ScriptStyle> styles);

/// Whether a line opens a section: "[" is its first character after blanks.
[[nodiscard]] bool opensSection(std::string_view line);

} // namespace defwright
