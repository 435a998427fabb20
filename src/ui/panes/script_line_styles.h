#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace defwright {

/// What a stretch of a script line is, as the panes colour it. The numbers
/// are the pane's style numbers; Plain is everything no rule matches.
enum class ScriptStyle : std::uint8_t { Plain, Key, Value, Range, Trigger, Header, Comment };

/// Gives each byte of one line (UTF-8, without its line break) its style.
/// The parts are those of the script's line grammar (ScriptLine), and where
/// two rules meet, the later wins: a key; a value, everything after the "=";
/// a range "{...}" with no brace inside; a trigger "ON=@NAME"; a section
/// header's brackets and what they hold; a comment.
void styleScriptLine(std::string_view line, std::span<ScriptStyle> styles);

/// Whether a line opens a section: it is a section header to the readers too.
[[nodiscard]] bool opensSection(std::string_view line);

} // namespace defwright
