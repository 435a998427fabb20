#include "core/script/line_removal.h"

namespace defwright {

bool joinsBreaks(std::string_view text, std::size_t start, std::size_t end)
{
    return start > 0 && text[start - 1] == '\r' && end < text.size() && text[end] == '\n';
}

TextEdit planLinesRemoval(std::string_view text, const ScriptLine& first, const ScriptLine& last)
{
    // A lone CR before the lines and an LF right after them would become one
    // break and take a line with them; a CR LF there instead joins nothing.
    if (!last.isLast() && joinsBreaks(text, first.start(), last.next()))
        return {first.start() - 1, last.next(), "\r\n"};
    if (!last.isLast())
        return {first.start(), last.next(), {}};
    std::size_t start = first.start();
    if (start > 0 && text[start - 1] == '\n')
        --start;
    if (start > 0 && text[start - 1] == '\r')
        --start;
    return {start, last.text.end, {}};
}

} // namespace defwright
