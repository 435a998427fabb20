#pragma once

#include "core/script/definition_lines.h"
#include "core/script/script_text.h"
#include "core/script/text_lines.h"

#include <string>
#include <vector>

namespace defwright::test {

// The lines joined by CR LF, as a script holds them.
inline std::string scriptText(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i == 0 ? "" : "\r\n") + lines[i];
    return text;
}

// A generated script: the banner, then these lines.
inline std::string withBanner(const std::vector<std::string>& lines)
{
    return bannerText() + "\r\n" + scriptText(lines);
}

// The unheld lines of a reading, each as its number, a blank and its text.
inline std::vector<std::string> unheldLines(const std::vector<UnheldLine>& unheld)
{
    std::vector<std::string> lines;
    for (const UnheldLine& line : unheld)
        lines.push_back(std::to_string(line.number) + " " + line.text);
    return lines;
}

// Every field of a kind as the planner names it: the identifier first, then
// each slot's value, or a skill's name and each range's low and high values.
inline std::vector<FieldId> everyField(const DefinitionLayout& layout)
{
    std::vector<FieldId> fields = {FieldId{}};
    for (std::size_t slot = 0; slot < layout.lineSlots.size(); ++slot) {
        const SlotForm form = layout.lineSlots[slot].form;
        if (form == SlotForm::Skill)
            fields.push_back({slot, FieldPart::Name});
        if (form == SlotForm::Plain)
            fields.push_back({slot, FieldPart::Value});
        else
            fields.insert(fields.end(), {{slot, FieldPart::Low}, {slot, FieldPart::High}});
    }
    return fields;
}

// Every line of the text in order, the last one too (empty after a final break).
inline std::vector<ScriptLine> linesOf(std::string_view text)
{
    std::vector<ScriptLine> lines = {scriptLineAt(text, 0)};
    while (!lines.back().isLast())
        lines.push_back(scriptLineAt(text, lines.back().next()));
    return lines;
}

// How many line breaks the text holds.
inline std::size_t breaksIn(std::string_view text)
{
    return TextLines(text).lineAt(text.size());
}

} // namespace defwright::test
