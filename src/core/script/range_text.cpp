#include "core/script/range_text.h"

#include "core/script/text_lines.h"

namespace defwright {
namespace {

RangeText splitAt(std::string_view text, std::size_t at)
{
    if (at == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, at), text.substr(at + 1)};
}

bool isBraced(std::string_view text)
{
    return text.size() >= 2 && text.front() == '{' && text.back() == '}';
}

} // namespace

RangeText splitRange(std::string_view value, bool lowMayBeEmpty)
{
    const std::string_view trimmed = trimBlanks(value);
    if (isBraced(trimmed)) {
        const std::string_view inside = trimmed.substr(1, trimmed.size() - 2);
        const std::size_t blank = inside.find(' ', lowMayBeEmpty ? 0 : 1);
        return splitAt(inside, blank != std::string_view::npos ? blank : inside.find(','));
    }
    std::size_t at = trimmed.find(',');
    if (at == std::string_view::npos)
        at = trimmed.find_first_of(" \t");
    const RangeText parts = splitAt(trimmed, at);
    return {trimBlanks(parts.low), trimBlanks(parts.high)};
}

std::optional<SkillLine> splitSkillLine(std::string_view line)
{
    const std::size_t at = line.find("={", 1);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::string_view values = trimBlanks(line.substr(at + 1));
    if (!isBraced(values))
        return std::nullopt;
    return SkillLine{line.substr(0, at), splitRange(values, true)};
}

} // namespace defwright
