#include "ui/panes/script_line_styles.h"

#include "core/script/script_line.h"

#include <algorithm>
#include <cassert>

namespace defwright {
namespace {

using Position = std::string_view::size_type;
constexpr Position npos = std::string_view::npos;

void paint(std::span<ScriptStyle> styles, Position from, Position to, ScriptStyle style)
{
    std::fill(styles.begin() + static_cast<std::ptrdiff_t>(from), styles.begin() + static_cast<std::ptrdiff_t>(to),
              style);
}

void paint(std::span<ScriptStyle> styles, TextSpan span, ScriptStyle style)
{
    paint(styles, span.start, span.end, style);
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

// The trigger's key, "=" and name, up to the first blank after the name.
TextSpan triggerSpan(std::string_view line, const ScriptLine& parts)
{
    const Position nameEnd = line.find_first_of(" \t", parts.value.start);
    return {parts.key.start, std::min(nameEnd, parts.value.end)};
}

} // namespace

void styleScriptLine(std::string_view line, std::span<ScriptStyle> styles)
{
    assert(styles.size() == line.size());
    paint(styles, 0, line.size(), ScriptStyle::Plain);
    const ScriptLine parts = scriptLineAt(line, 0);
    if (parts.equals != ScriptLine::kNone) {
        paint(styles, parts.key, ScriptStyle::Key);
        paint(styles, parts.equals + 1, line.size(), ScriptStyle::Value);
    }
    styleRanges(line, styles);
    if (parts.kind == LineKind::Trigger)
        paint(styles, triggerSpan(line, parts), ScriptStyle::Trigger);
    if (parts.kind == LineKind::Header)
        paint(styles, parts.section, ScriptStyle::Header);
    paint(styles, parts.comment, ScriptStyle::Comment);
}

bool opensSection(std::string_view line)
{
    return scriptLineAt(line, 0).kind == LineKind::Header;
}

} // namespace defwright
