#include "core/files/line_breaks.h"

#include <cassert>

namespace defwright {
namespace {

bool crLfAt(std::u16string_view text, std::size_t i)
{
    return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

} // namespace

std::size_t crLfLength(std::u16string_view text)
{
    std::size_t length = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (crLfAt(text, i))
            ++i;
        else if (text[i] == u'\r' || text[i] == u'\n')
            ++length;
    }
    return length;
}

std::u16string withCrLfLineBreaks(std::u16string_view text)
{
    std::u16string script(crLfLength(text), u'\0');
    withCrLfLineBreaks(text, script);
    return script;
}

void withCrLfLineBreaks(std::u16string_view text, std::span<char16_t> script)
{
    assert(script.size() == crLfLength(text));
    auto out = script.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool lineBreak = text[i] == u'\r' || text[i] == u'\n';
        if (!lineBreak) {
            *out++ = text[i];
            continue;
        }
        if (crLfAt(text, i))
            ++i;
        *out++ = u'\r';
        *out++ = u'\n';
    }
}

} // namespace defwright
