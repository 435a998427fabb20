#include "core/files/line_breaks.h"

#include <algorithm>

namespace defwright {
namespace {

bool isBreak(char byte)
{
    return byte == '\r' || byte == '\n';
}

} // namespace

std::string_view lineBreakText(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::CrLf:
        break;
    }
    return "\r\n";
}

bool hasOnlyLineBreaks(std::string_view text, LineBreak lineBreak)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool crLf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
        if (crLf) {
            if (lineBreak != LineBreak::CrLf)
                return false;
            ++i;
        } else if (text[i] == '\r' ? lineBreak != LineBreak::Cr : text[i] == '\n' && lineBreak != LineBreak::Lf) {
            return false;
        }
    }
    return true;
}

std::string withLineBreaks(std::string_view text, LineBreak lineBreak)
{
    const std::string_view wanted = lineBreakText(lineBreak);
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    auto at = text.begin();
    while (at != text.end()) {
        const auto found = std::find_if(at, text.end(), isBreak);
        result.append(at, found);
        if (found == text.end())
            break;
        at = found + 1;
        if (*found == '\r' && at != text.end() && *at == '\n')
            ++at;
        result += wanted;
    }
    return result;
}

} // namespace defwright
