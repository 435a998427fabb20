#include "core/script/range_text.h"


namespace defwright {
namespace {

bool isBraced(std::string_view value)
{
    return value.size() >= 2 && value.front() == '{' && value.back() == '}';
}

std::size_t separatorAt(std::string_view inside, bool braced, bool lowMayBeEmpty)
{
    const std::size_t blank = inside.find_first_of(" \t", braced && !lowMayBeEmpty ? 1 : 0);
    const std::size_t comma = inside.find(',');
    if (braced)
        return blank != std::string_view::npos ? blank : comma;
    return comma != std::string_view::npos ? comma : blank;
}

bool isSeparatorPart(char character)
{
    return isBlank(character) || character == ',';
}

TextSpan withoutBlanks(std::string_view text, TextSpan span)
{
    while (span.start < span.end && isBlank(text[span.start]))
        ++span.start;
    while (span.end > span.start && isBlank(text[span.end - 1]))
        --span.end;
    return span;
}

} // namespace

RangeSpans splitRange(std::string_view text, TextSpan value, bool lowMayBeEmpty)
{
    RangeSpans range;
    range.braced = isBraced(value.of(text));
    const TextSpan inside = range.braced ? TextSpan{value.start + 1, value.end - 1} : value;
    const std::size_t at = separatorAt(inside.of(text), range.braced, lowMayBeEmpty);
    if (at == std::string_view::npos) {
        range.low = withoutBlanks(text, inside);
        range.separator = range.high = {range.low.end, range.low.end};
        return range;
    }
    range.separated = true;
    std::size_t start = inside.start + at;
    std::size_t end = start + 1;
    while (start > inside.start && isSeparatorPart(text[start - 1]))
        --start;
    while (end < inside.end && isSeparatorPart(text[end]))
        ++end;
    range.low = withoutBlanks(text, {inside.start, start});
    range.separator = {start, end};
    range.high = withoutBlanks(text, {end, inside.end});
    return range;
}

std::string bracedRange(std::string_view low, std::string_view high)
{
    std::string range = "{";
    range += low;
    if (!high.empty()) {
        range += ' ';
        range += high;
    }
    range += '}';
    return range;
}

} // namespace defwright
