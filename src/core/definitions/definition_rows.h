#pragma once

#include "core/script/script_line.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace defwright {

/// The words of a header: "[REGIONTYPE r_cave 2]" is the kind "REGIONTYPE"
/// named "r_cave" with the arguments "2". Spans are empty where a word is missing.
struct HeaderSpans {
    TextSpan kind;
    TextSpan name;
    TextSpan arguments; // every word after the name, as written between them
};

[[nodiscard]] HeaderSpans headerSpans(std::string_view text, const ScriptLine& header);

/// One trigger of a definition: its "ON=@..." line and the lines it holds.
struct DefinitionTrigger {
    ScriptLine line;
    std::size_t lineCount = 0; // the lines after its own, up to the next trigger or the definition's end
    std::size_t end = 0;       // where its last line ends, before that line's break
};

/// A definition of any section kind, line by line, as byte offsets into the
/// text it was read from.
///
/// The body is every line after the header before the first trigger, in the
/// file's order: keyed lines (a repeated key on each of its lines, a tag as
/// its key "TAG.name"), lines without "=" (`LineKind::Other`), blank and
/// comment lines. A definition ends with its last line that is neither blank
/// nor a comment before the next header, as DefinitionPlace does, so the
/// blank and comment lines above the next header are not its own.
struct DefinitionRows {
    ScriptLine header;
    HeaderSpans words;
    std::vector<ScriptLine> body;
    std::vector<DefinitionTrigger> triggers;
    std::size_t end = 0; // where the definition's last line ends, before its break
};

/// The definition whose header is the nearest at or above the line that
/// holds byte `position`; none when no header stands above it.
[[nodiscard]] std::optional<DefinitionRows> readDefinitionRows(std::string_view text, std::size_t position);

/// The definition whose header line begins at `headerStart`; none when no header begins there.
[[nodiscard]] std::optional<DefinitionRows> readDefinitionRowsAtHeader(std::string_view text, std::size_t headerStart);

/// The body lines of the definition whose header is `header`: every line up to
/// the first trigger or the next header, without the blank and comment lines
/// that end the text or stand above the next header.
[[nodiscard]] std::vector<ScriptLine> bodyLines(std::string_view text, const ScriptLine& header);

/// A header line of a text: where it begins, and its number from 0.
struct HeaderLine {
    std::size_t start = 0;
    std::uint32_t line = 0;
};

/// Every header line of the text, in order. Only a line that opens with "["
/// is classified, so a long text is walked at the speed of its line breaks.
[[nodiscard]] std::vector<HeaderLine> headerLines(std::string_view text);

/// Whether a line holds something: neither blank nor only a comment.
[[nodiscard]] constexpr bool holdsContent(const ScriptLine& line)
{
    return line.kind != LineKind::Blank && line.kind != LineKind::Comment;
}

} // namespace defwright
