#pragma once

#include "core/script/script_line.h"
#include "core/script/text_edit.h"

#include <cstddef>
#include <string_view>

namespace defwright {

/// Whether taking [start, end) away would bring a lone CR before it and an LF
/// after it together, into one break: two lines would become one.
[[nodiscard]] bool joinsBreaks(std::string_view text, std::size_t start, std::size_t end);

/// The edit that takes the lines from `first` to `last` (the same line, or
/// lines one after the other) away with their breaks; when `last` ends the
/// text, with the break before `first` instead, so no line is left behind.
/// A lone CR before them that would meet an LF after them becomes a CR LF.
[[nodiscard]] TextEdit planLinesRemoval(std::string_view text, const ScriptLine& first, const ScriptLine& last);

} // namespace defwright
