#include "core/script/definition_fields.h"

namespace defwright {
namespace {

std::string_view viewOf(const std::string* field)
{
    return field == nullptr ? std::string_view() : std::string_view(*field);
}

SlotValues valuesOf(const SlotFields& fields)
{
    return {viewOf(fields.name), viewOf(fields.value), viewOf(fields.high)};
}

void assign(std::string* field, std::string_view value)
{
    if (field != nullptr)
        field->assign(value);
}

// How many boxes before the slot in its group are written: a group's k-th written box is its k-th line.
std::size_t writtenBefore(const DefinitionLayout& layout, std::span<const SlotFields> fields, std::size_t slot)
{
    std::size_t rank = 0;
    for (std::size_t other = slotGroup(layout, slot).first; other < slot; ++other)
        rank += isWritten(layout.lineSlots[other].form, valuesOf(fields[other])) ? 1 : 0;
    return rank;
}

bool fits(const DefinitionLayout& layout, const FieldId& field)
{
    if (field.slot == FieldId::kIdentifier)
        return field.part == FieldPart::Value;
    if (field.slot >= layout.lineSlots.size())
        return false;
    switch (layout.lineSlots[field.slot].form) {
    case SlotForm::Plain:
        return field.part == FieldPart::Value;
    case SlotForm::Range:
        return field.part == FieldPart::Low || field.part == FieldPart::High;
    case SlotForm::Skill:
        return field.part != FieldPart::Value;
    }
    return false;
}

} // namespace

std::string& slotField(const SlotFields& fields, FieldPart part)
{
    if (part == FieldPart::Name)
        return *fields.name;
    return part == FieldPart::High ? *fields.high : *fields.value;
}

void fillFields(std::string_view script, const DefinitionLines& lines, const DefinitionLayout& layout,
                std::span<const SlotFields> fields)
{
    for (std::size_t slot = 0; slot < layout.lineSlots.size(); ++slot) {
        const std::optional<ScriptLine>& line = lines.slotLines[slot];
        const SlotValues values = line ? slotValues(script, layout.lineSlots[slot], *line) : SlotValues{};
        assign(fields[slot].name, values.name);
        assign(fields[slot].value, values.value);
        assign(fields[slot].high, values.high);
    }
}

std::optional<TextEdit> planRecordEdit(std::string_view script, std::size_t headerStart, const DefinitionLayout& layout,
                                       std::span<const SlotFields> fields, std::string_view identifier,
                                       const FieldId& field, std::string_view value, std::string_view lineBreak)
{
    const std::optional<DefinitionPlace> place = definitionAtHeader(script, headerStart, layout.kind);
    if (!place || !fits(layout, field))
        return std::nullopt;
    const DefinitionLines lines = readDefinitionLines(script, *place, layout);
    FieldChange change{field, value, {{}, identifier, {}}, 0, {}, lineBreak};
    std::vector<SlotValues> group;
    if (field.slot != FieldId::kIdentifier) {
        change.before = valuesOf(fields[field.slot]);
        change.rank = writtenBefore(layout, fields, field.slot);
        const SlotGroup slots = slotGroup(layout, field.slot);
        for (std::size_t slot = slots.first; slot < slots.end; ++slot)
            group.push_back(valuesOf(fields[slot]));
        change.group = group;
    }
    return planFieldEdit(script, lines, layout, change);
}

} // namespace defwright
