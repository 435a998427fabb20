#pragma once

#include "core/definitions/definition_rows.h"
#include "core/script/line_removal.h"
#include "core/script/text_edit.h"

#include <optional>
#include <string_view>

namespace defwright {

/// The edit that makes a row say `value`, every other byte kept: a keyed
/// line's value alone changes (key as written, blanks, comment stay); a line
/// without "=", a blank or a comment line gets `value` as its text before the
/// comment. The value is taken without the blanks at its ends. None when the
/// value holds a line break or the line would then read as a header or a
/// trigger, which would change what the definition is, or be empty between a
/// lone CR and an LF, which would join it to the line before.
[[nodiscard]] std::optional<TextEdit> planValueChange(std::string_view text, const ScriptLine& row,
                                                      std::string_view value);

[[nodiscard]] inline TextEdit planRowRemoval(std::string_view text, const ScriptLine& row)
{
    return planLinesRemoval(text, row, row);
}

/// The line "KEY=value" as a body line of the definition, or none when it
/// would not read as that key: a key that is empty, opens with "[" or holds a blank, "=",
/// "//" or a line break; a value with a line break; "ON=@..." (a trigger).
[[nodiscard]] std::optional<std::string> keyedLine(std::string_view key, std::string_view value);

/// The edit that adds "KEY=value" after the last body line of the definition
/// that holds something (with that line's indent), else right after the
/// header, in `lineBreak`. None for a line keyedLine() refuses.
[[nodiscard]] std::optional<TextEdit> planRowAddition(std::string_view text, const DefinitionRows& definition,
                                                      std::string_view key, std::string_view value,
                                                      std::string_view lineBreak);

/// The line after which the definition's body gets a new line: its last
/// body line that holds something, else its header.
[[nodiscard]] const ScriptLine& bodyAnchor(const DefinitionRows& definition);

/// Whether a text holds a CR or an LF.
[[nodiscard]] constexpr bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace defwright
