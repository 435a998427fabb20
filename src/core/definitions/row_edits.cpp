#include "core/definitions/row_edits.h"

#include "core/script/line_removal.h"
#include "core/script/text_lines.h"

#include <algorithm>

namespace defwright {
namespace {

// The part of a row that its value is: after "=" for a keyed line, else all
// of it before the comment.
TextSpan valueRegion(const ScriptLine& row)
{
    if (row.kind == LineKind::Keyed)
        return row.value;
    return {row.indent.end, std::max(row.indent.end, row.commentGap.start)};
}

// A "/" put next to a "/" of the line would begin a comment that swallows the value.
void keepApart(std::string_view text, TextEdit& edit)
{
    if (edit.replacement.ends_with('/') && edit.end < text.size() && text[edit.end] == '/')
        edit.replacement += ' ';
    if (edit.replacement.starts_with('/') && edit.start > 0 && text[edit.start - 1] == '/')
        edit.replacement.insert(0, " ");
}

bool changesStructure(std::string_view line)
{
    const LineKind kind = scriptLineAt(line, 0).kind;
    return kind == LineKind::Header || kind == LineKind::Trigger;
}

} // namespace

std::optional<TextEdit> planValueChange(std::string_view text, const ScriptLine& row, std::string_view value)
{
    if (holdsLineBreak(value))
        return std::nullopt;
    const TextSpan region = valueRegion(row);
    TextEdit edit{region.start, region.end, std::string(trimBlanks(value))};
    keepApart(text, edit);
    std::string line(text.substr(row.text.start, region.start - row.text.start));
    line.append(edit.replacement).append(text.substr(region.end, row.text.end - region.end));
    if (changesStructure(line) || (line.empty() && joinsBreaks(text, row.text.start, row.text.end)))
        return std::nullopt;
    return edit;
}

std::optional<std::string> keyedLine(std::string_view key, std::string_view value)
{
    if (key.empty() || key.front() == '[' || key.find_first_of(" \t=\r\n") != key.npos || key.find("//") != key.npos
        || holdsLineBreak(value))
        return std::nullopt;
    std::string line = std::string(key) + "=" + std::string(trimBlanks(value));
    const ScriptLine read = scriptLineAt(line, 0);
    if (read.kind != LineKind::Keyed || read.key.size() != key.size())
        return std::nullopt;
    return line;
}

const ScriptLine& bodyAnchor(const DefinitionRows& definition)
{
    const auto last = std::find_if(definition.body.rbegin(), definition.body.rend(), holdsContent);
    return last == definition.body.rend() ? definition.header : *last;
}

std::optional<TextEdit> planRowAddition(std::string_view text, const DefinitionRows& definition, std::string_view key,
                                        std::string_view value, std::string_view lineBreak)
{
    std::optional<std::string> line = keyedLine(key, value);
    if (!line)
        return std::nullopt;
    const ScriptLine& anchor = bodyAnchor(definition);
    const std::string_view indent = &anchor == &definition.header ? std::string_view() : anchor.indent.of(text);
    const std::size_t at = anchor.text.end;
    return TextEdit{at, at, std::string(lineBreak) + std::string(indent) + *line};
}

} // namespace defwright
