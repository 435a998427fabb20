#include "core/script/script_line.h"

#include "core/script/ascii_case.h"

#include <cstring>

namespace defwright {
namespace {

constexpr std::string_view kTriggerKey = "ON";

bool isBreak(char character)
{
    return character == '\n' || character == '\r';
}

std::size_t skipBlanks(std::string_view text, std::size_t from, std::size_t end)
{
    while (from < end && isBlank(text[from]))
        ++from;
    return from;
}

std::size_t backOverBlanks(std::string_view text, std::size_t begin, std::size_t end)
{
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return end;
}

// The span without the blanks at its ends.
TextSpan trimmed(std::string_view text, std::size_t begin, std::size_t end)
{
    begin = skipBlanks(text, begin, end);
    return {begin, backOverBlanks(text, begin, end)};
}

// Where `what` first stands in [from, end), else `end`. The folder index reads
// every line of hundreds of scripts through here, so bytes are looked for with memchr.
std::size_t find(std::string_view text, char what, std::size_t from, std::size_t end)
{
    if (from >= end)
        return end;
    const void* at = std::memchr(text.data() + from, what, end - from);
    return at == nullptr ? end : static_cast<std::size_t>(static_cast<const char*>(at) - text.data());
}

std::size_t findComment(std::string_view text, std::size_t from, std::size_t end)
{
    for (std::size_t slash = find(text, '/', from, end); slash < end; slash = find(text, '/', slash + 1, end)) {
        if (slash + 1 < end && text[slash + 1] == '/')
            return slash;
    }
    return end;
}

// The comment, and the body before it without its trailing blanks.
void splitComment(std::string_view text, ScriptLine& line, std::size_t searchFrom)
{
    const std::size_t comment = findComment(text, searchFrom, line.text.end);
    line.comment = {comment, line.text.end};
    const std::size_t gap = comment < line.text.end ? backOverBlanks(text, line.indent.end, comment) : comment;
    line.commentGap = {gap, comment};
}

bool classifyHeader(std::string_view text, ScriptLine& line)
{
    const std::size_t open = line.indent.end;
    if (open == line.text.end || text[open] != '[')
        return false;
    const std::size_t close = find(text, ']', open, line.text.end);
    if (close == line.text.end || findComment(text, open, close) < close)
        return false;
    splitComment(text, line, close + 1);
    line.kind = LineKind::Header;
    line.section = {open, close + 1};
    line.key = trimmed(text, open + 1, close);
    line.value = trimmed(text, close + 1, line.commentGap.start);
    return true;
}

void classifyBody(std::string_view text, ScriptLine& line)
{
    splitComment(text, line, line.indent.end);
    const std::size_t bodyEnd = line.commentGap.start;
    if (bodyEnd == line.indent.end) {
        line.kind = line.comment.empty() ? LineKind::Blank : LineKind::Comment;
        return;
    }
    const std::size_t equals = find(text, '=', line.indent.end, bodyEnd);
    if (equals == bodyEnd) {
        line.kind = LineKind::Other;
        return;
    }
    line.equals = equals;
    line.key = trimmed(text, line.indent.end, equals);
    line.value = trimmed(text, equals + 1, bodyEnd);
    const bool trigger = equalsIgnoringCase(line.key.of(text), kTriggerKey) && !line.value.empty()
        && text[line.value.start] == '@';
    line.kind = line.key.empty() ? LineKind::Other : trigger ? LineKind::Trigger : LineKind::Keyed;
}

} // namespace

ScriptLine scriptLineAt(std::string_view text, std::size_t start)
{
    std::size_t end = start;
    while (end < text.size() && !isBreak(text[end]))
        ++end;
    return scriptLineAt(text, start, end);
}

ScriptLine scriptLineAt(std::string_view text, std::size_t start, std::size_t end)
{
    ScriptLine line;
    line.text = {start, end};
    const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
    line.lineBreak = {end, end == text.size() ? end : end + (crLf ? 2 : 1)};
    line.indent = {start, skipBlanks(text, start, end)};
    line.key = line.value = line.section = {line.indent.end, line.indent.end};
    if (!classifyHeader(text, line))
        classifyBody(text, line);
    return line;
}

bool isUnclosedHeader(std::string_view text, const ScriptLine& line)
{
    return line.kind != LineKind::Header && line.indent.end < line.text.end && text[line.indent.end] == '[';
}

std::size_t lineStartAt(std::string_view text, std::size_t position)
{
    position = std::min(position, text.size());
    // A caret between the CR and the LF of a pair still stands on the CR's line.
    if (position > 0 && position < text.size() && text[position] == '\n' && text[position - 1] == '\r')
        --position;
    while (position > 0 && !isBreak(text[position - 1]))
        --position;
    return position;
}

std::string_view firstLineBreak(std::string_view text)
{
    const std::size_t at = text.find_first_of("\r\n");
    if (at == std::string_view::npos)
        return "\r\n";
    if (text[at] == '\n')
        return "\n";
    return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

} // namespace defwright
