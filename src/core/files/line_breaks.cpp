#include "core/files/line_breaks.h"

#include <algorithm>
#include <cassert>

namespace defwright {
namespace {

bool isEditorLineBreak(char16_t character)
{
    return character == u'\u2029' || character == u'\u2028';
}

} // namespace

std::u16string withEditorLineBreaks(std::u16string_view script)
{
    std::u16string text;
    text.reserve(script.size());
    std::size_t start = 0;
    for (std::size_t cr = script.find(u'\r'); cr != std::u16string_view::npos; cr = script.find(u'\r', start)) {
        text.append(script.substr(start, cr - start));
        text.push_back(u'\n');
        const bool crLf = cr + 1 < script.size() && script[cr + 1] == u'\n';
        start = cr + (crLf ? 2 : 1);
    }
    text.append(script.substr(start));
    return text;
}

std::u16string withScriptLineBreaks(std::u16string_view editorText)
{
    std::u16string script(scriptLength(editorText), u'\0');
    withScriptLineBreaks(editorText, script);
    return script;
}

std::size_t scriptLength(std::u16string_view editorText)
{
    const auto breaks = std::count_if(editorText.begin(), editorText.end(), isEditorLineBreak);
    return editorText.size() + static_cast<std::size_t>(breaks);
}

void withScriptLineBreaks(std::u16string_view editorText, std::span<char16_t> script)
{
    assert(script.size() == scriptLength(editorText));
    auto out = script.begin();
    for (const char16_t character : editorText) {
        if (isEditorLineBreak(character)) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = character;
        }
    }
}

} // namespace defwright
