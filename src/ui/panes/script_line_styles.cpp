#include "ui/panes/script_line_styles.h"

#include <algorithm>
#include <cassert>
#include <cctype>

namespace defwright {
namespace {

using Position = std::string_view::size_type;
constexpr Position npos = std::string_view::npos;

bool isBlank(char character)
{
    return character == ' ' || character == '\t' || character == '\v' || character == '\f';
}

Position firstNonBlank(std::string_view line, Position from = 0)
{
    while (from < line.size() && isBlank(line[from]))
        ++from;
    return from;
}

void paint(std::span<ScriptStyle> styles, Position from, Position to, ScriptStyle style)
{
    std::fill(styles.begin() + static_cast<std::ptrdiff_t>(from), styles.begin() + static_cast<std::ptrdiff_t>(to),
              style);
}

void styleKeyAndValue(std::string_view line, std::span<ScriptStyle> styles)
{
    const Position equals = line.find('=');
    if (equals == npos)
        return;
    const Position keyStart = firstNonBlank(line);
    Position keyEnd = equals;
    while (keyEnd > keyStart && isBlank(line[keyEnd - 1]))
        --keyEnd;
    paint(styles, keyStart, keyEnd, ScriptStyle::Key);
    paint(styles, equals + 1, line.size(), ScriptStyle::Value);
}

void styleRanges(std::string_view line, std::span<ScriptStyle> styles)
{
    for (Position open = line.find('{'); open != npos;) {
        const Position next = line.find_first_of("{}", open + 1);
        if (next == npos)
            return;
        if (line[next] == '{') {
            open = next;
            continue;
        }
        paint(styles, open, next + 1, ScriptStyle::Range);
        open = line.find('{', next + 1);
    }
}

// "ON", blanks, "=", blanks, "@" and at least one more character that is not a blank.
void styleTrigger(std::string_view line, std::span<ScriptStyle> styles)
{
    const Position start = firstNonBlank(line);
    if (line.size() < start + 2 || std::toupper(static_cast<unsigned char>(line[start])) != 'O'
        || std::toupper(static_cast<unsigned char>(line[start + 1])) != 'N')
        return;
    Position at = firstNonBlank(line, start + 2);
    if (at >= line.size() || line[at] != '=')
        return;
    at = firstNonBlank(line, at + 1);
    if (at + 1 >= line.size() || line[at] != '@' || isBlank(line[at + 1]))
        return;
    Position end = at + 1;
    while (end < line.size() && !isBlank(line[end]))
        ++end;
    paint(styles, start, end, ScriptStyle::Trigger);
}

void styleHeader(std::string_view line, std::span<ScriptStyle> styles)
{
    if (!opensSection(line))
        return;
    const Position open = firstNonBlank(line);
    const Position close = line.find(']', open);
    if (close != npos)
        paint(styles, open, close + 1, ScriptStyle::Header);
}

} // namespace

void styleScriptLine(std::string_view line, std::span<ScriptStyle> styles)
{
    assert(styles.size() == line.size());
    paint(styles, 0, line.size(), ScriptStyle::Plain);
    styleKeyAndValue(line, styles);
    styleRanges(line, styles);
    styleTrigger(line, styles);
    styleHeader(line, styles);
    if (const Position comment = line.find("//"); comment != npos)
        paint(styles, comment, line.size(), ScriptStyle::Comment);
}

bool opensSection(std::string_view line)
{
    const Position start = firstNonBlank(line);
    return start < line.size() && line[start] == '[';
}

} // namespace defwright
