#include "files/line_breaks.h"

#include "script/script_text.h"

#include <algorithm>

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
    const auto breaks = static_cast<std::size_t>(std::count_if(editorText.begin(), editorText.end(), isEditorLineBreak));
    std::u16string text;
    text.reserve(editorText.size() + breaks);
    auto start = editorText.begin();
    for (auto found = std::find_if(start, editorText.end(), isEditorLineBreak); found != editorText.end();
         found = std::find_if(start, editorText.end(), isEditorLineBreak)) {
        text.append(start, found);
        text.append(kLineBreak.begin(), kLineBreak.end());
        start = found + 1;
    }
    text.append(start, editorText.end());
    return text;
}

} // namespace defwright
