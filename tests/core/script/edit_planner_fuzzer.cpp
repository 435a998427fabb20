// libFuzzer target for the field edit planner. Built with clang by
// run_fuzzer.sh; any broken property aborts. The first byte chooses the kind
// and the field, the second the definition, the third the new value's length;
// the value follows, and the rest is the script.
#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"
#include "fuzz_check.h"
#include "script/script_lines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace defwright;

using test::breaksIn;

std::vector<std::size_t> headersOf(std::string_view script, const DefinitionKind& kind)
{
    std::vector<std::size_t> headers;
    for (const ScriptLine& line : test::linesOf(script))
        if (headerPlace(script, line, kind))
            headers.push_back(line.start());
    return headers;
}

FieldId fieldFrom(std::uint8_t byte, const DefinitionLayout& layout)
{
    const std::vector<FieldId> fields = test::everyField(layout);
    return fields[byte % fields.size()];
}

// A value that reads back as typed: no blanks at its ends and no comment; no
// separator in a range's value, no "=" in a skill's name, no bracket in an identifier.
bool readsBackAsTyped(std::string_view value, const FieldId& field, const DefinitionLayout& layout)
{
    const auto has = [value](std::string_view characters) { return value.find_first_of(characters) != value.npos; };
    if (value.find("//") != value.npos || (!value.empty() && (isBlank(value.front()) || isBlank(value.back()))))
        return false;
    if (field.slot == FieldId::kIdentifier)
        return !has("[]") && !startsIgnoringCase(value, layout.kind.identifierPrefix);
    if (field.part == FieldPart::Name) // only a listed skill's line is read as one
        return std::any_of(layout.skillNames.begin(), layout.skillNames.end(),
                           [value](std::string_view name) { return equalsIgnoringCase(name, value); });
    return field.part == FieldPart::Value || !has(" \t,{}");
}

// A line beyond a full group's boxes (a key given twice, a fourth "CAN=")
// moves into the box an emptied one leaves.
bool groupFull(const DefinitionLines& lines, const DefinitionLayout& layout, const FieldId& field)
{
    if (field.slot == FieldId::kIdentifier || lines.unheld.empty())
        return false;
    const SlotGroup group = slotGroup(layout, field.slot);
    for (std::size_t slot = group.first; slot < group.end; ++slot) {
        if (!lines.slotLines[slot])
            return false;
    }
    return true;
}

// A range whose values hold a separator ("{a b c}" is low "a", high "b c") may
// be read otherwise once one of them changes.
bool rangeReadsBack(const DefinitionLines& lines, const DefinitionLayout& layout, const FieldId& field,
                    std::string_view script)
{
    if (field.slot == FieldId::kIdentifier || layout.lineSlots[field.slot].form == SlotForm::Plain)
        return true;
    const auto plain = [](std::string_view part) { return part.find_first_of(" \t,{}") == part.npos; };
    const SlotGroup group = slotGroup(layout, field.slot);
    for (std::size_t slot = group.first; slot < group.end; ++slot) {
        if (!lines.slotLines[slot])
            continue;
        const SlotValues values = slotValues(script, layout.lineSlots[slot], *lines.slotLines[slot]);
        if (!plain(values.value) || !plain(values.high))
            return false;
    }
    return true;
}

// The edit is one change within a line, one whole line with its break taken
// away (where a lone CR before it would meet an LF after it, the two breaks
// become one CR LF), or new lines put in at a line's start or end; undone, it
// gives the text back; and the definition still begins where it did.
template <typename Kind>
void plansLocally(std::string_view script, std::size_t header, std::uint8_t fieldByte, std::string_view value)
{
    const DefinitionLayout& layout = Kind::layout();
    const auto reading = readDefinitionAt<Kind>(script, header);
    check(reading.has_value());
    const FieldId field = fieldFrom(fieldByte, layout);
    const std::optional<TextEdit> edit = planEdit<Kind>(script, header, reading->record, field, value,
                                                        firstLineBreak(script));
    check(edit && edit->start <= edit->end && edit->end <= script.size());
    const std::string_view replaced = script.substr(edit->start, edit->end - edit->start);
    if (edit->start == edit->end && breaksIn(edit->replacement) > 0)
        check(breaksIn(edit->replacement) <= 2 && edit->start >= reading->lines.header.text.end);
    else if (breaksIn(replaced) > 0)
        check(breaksIn(replaced) == 1 + breaksIn(edit->replacement)
              && (edit->replacement.empty() || edit->replacement == "\r\n") && edit->start > header);
    else
        check(breaksIn(replaced) == 0 && breaksIn(edit->replacement) == 0);
    const std::string edited = applyEdit(script, *edit);
    check(applyEdit(edited, inverseEdit(script, *edit)) == script);
    if (!readsBackAsTyped(value, field, layout) || groupFull(reading->lines, layout, field)
        || !rangeReadsBack(reading->lines, layout, field, script))
        return;
    auto expected = reading->record;
    recordField<Kind>(expected, field) = value;
    const auto again = readDefinitionAt<Kind>(edited, header);
    check(again && Kind::script(again->record) == Kind::script(expected));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3 || size < 3u + data[2])
        return 0;
    std::string value(reinterpret_cast<const char*>(data) + 3, data[2]);
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; }); // a field holds one line
    const std::string_view script(reinterpret_cast<const char*>(data) + 3 + data[2], size - 3 - data[2]);
    const bool item = data[0] % 2 == 0;
    const DefinitionLayout& layout = item ? itemLayout() : npcLayout();
    const std::vector<std::size_t> headers = headersOf(script, layout.kind);
    if (headers.empty())
        return 0;
    const std::size_t header = headers[data[1] % headers.size()];
    if (item)
        plansLocally<ItemKind>(script, header, data[0] / 2, value);
    else
        plansLocally<NpcKind>(script, header, data[0] / 2, value);
    return 0;
}
