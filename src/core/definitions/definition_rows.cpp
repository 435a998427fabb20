#include "core/definitions/definition_rows.h"

#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

namespace defwright {
namespace {

std::size_t wordEnd(std::string_view text, std::size_t from, std::size_t end)
{
    while (from < end && !isBlank(text[from]))
        ++from;
    return from;
}

std::size_t blanksEnd(std::string_view text, std::size_t from, std::size_t end)
{
    while (from < end && isBlank(text[from]))
        ++from;
    return from;
}

// Only a line that opens with "[" can be a header, so the walk up to one
// classifies no other: a caret deep in a long definition finds its header at once.
bool opensWithBracket(std::string_view text, std::size_t start)
{
    const std::size_t first = blanksEnd(text, start, text.size());
    return first < text.size() && text[first] == '[';
}

std::optional<std::size_t> headerAtOrAbove(std::string_view text, std::size_t position)
{
    const TextLines lines(text);
    for (std::size_t start = lineStartAt(text, position);; start = lines.previousLineStart(start)) {
        if (opensWithBracket(text, start) && scriptLineAt(text, start).kind == LineKind::Header)
            return start;
        if (start == 0)
            return std::nullopt;
    }
}

void dropTrailingNotes(std::vector<ScriptLine>& lines)
{
    while (!lines.empty() && !holdsContent(lines.back()))
        lines.pop_back();
}

// The body's lines into `body`; the first trigger, when one ends the body.
std::optional<ScriptLine> walkBody(std::string_view text, const ScriptLine& header, std::vector<ScriptLine>& body)
{
    for (ScriptLine line = header; !line.isLast();) {
        line = scriptLineAt(text, line.next());
        if (line.kind == LineKind::Trigger)
            return line;
        if (line.kind == LineKind::Header)
            break;
        body.push_back(line);
    }
    dropTrailingNotes(body);
    return std::nullopt;
}

// Each trigger from the first one on, up to the next header; a trigger's
// lines end with its last one that holds something, as the definition does.
void readTriggers(std::string_view text, const ScriptLine& first, DefinitionRows& rows)
{
    std::size_t uncounted = 0;
    for (ScriptLine line = first;;) {
        if (line.kind == LineKind::Trigger) {
            rows.triggers.push_back({line, 0, line.text.end});
            uncounted = 0;
        } else if (++uncounted; holdsContent(line)) {
            rows.triggers.back().lineCount += uncounted;
            rows.triggers.back().end = line.text.end;
            uncounted = 0;
        }
        if (line.isLast())
            break;
        line = scriptLineAt(text, line.next());
        if (line.kind == LineKind::Header)
            break;
    }
    rows.end = rows.triggers.back().end;
}

} // namespace

HeaderSpans headerSpans(std::string_view text, const ScriptLine& header)
{
    const TextSpan words = header.key;
    const std::size_t kindEnd = wordEnd(text, words.start, words.end);
    const std::size_t nameStart = blanksEnd(text, kindEnd, words.end);
    const std::size_t nameEnd = wordEnd(text, nameStart, words.end);
    const std::size_t arguments = blanksEnd(text, nameEnd, words.end);
    return {{words.start, kindEnd}, {nameStart, nameEnd}, {arguments, words.end}};
}

std::vector<ScriptLine> bodyLines(std::string_view text, const ScriptLine& header)
{
    std::vector<ScriptLine> body;
    walkBody(text, header, body);
    return body;
}

std::optional<DefinitionRows> readDefinitionRowsAtHeader(std::string_view text, std::size_t headerStart)
{
    if (headerStart > text.size() || lineStartAt(text, headerStart) != headerStart)
        return std::nullopt;
    DefinitionRows rows;
    rows.header = scriptLineAt(text, headerStart);
    if (rows.header.kind != LineKind::Header)
        return std::nullopt;
    rows.words = headerSpans(text, rows.header);
    const std::optional<ScriptLine> trigger = walkBody(text, rows.header, rows.body);
    rows.end = rows.body.empty() ? rows.header.text.end : rows.body.back().text.end;
    if (trigger)
        readTriggers(text, *trigger, rows);
    return rows;
}

std::optional<DefinitionRows> readDefinitionRows(std::string_view text, std::size_t position)
{
    const std::optional<std::size_t> header = headerAtOrAbove(text, position);
    return header ? readDefinitionRowsAtHeader(text, *header) : std::nullopt;
}

std::vector<HeaderLine> headerLines(std::string_view text)
{
    std::vector<HeaderLine> headers;
    const TextLines lines(text);
    std::uint32_t number = 0;
    for (std::size_t start = 0;; ++number) {
        if (opensWithBracket(text, start) && scriptLineAt(text, start).kind == LineKind::Header)
            headers.push_back({start, number});
        const std::size_t end = lines.lineEnd(start);
        if (end == text.size())
            return headers;
        start = lines.nextLineStart(end);
    }
}

} // namespace defwright
