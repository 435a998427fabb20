#include "random_scripts.h"

#include <array>
#include <span>

namespace defwright::test {
namespace {

// A skill's "{ " begins with an empty low value, so only a stat's range opens with a blank.
std::string rangeText(RandomScripts& random, std::string_view low, std::string_view high, bool skill, bool braced)
{
    const std::string l(low);
    const std::string h(high);
    std::vector<std::string> forms;
    if (low.empty())
        forms = {"{ " + h + "}", "{," + h + "}"};
    else if (high.empty())
        forms = {"{" + l + "}", "{" + l + " }", l};
    else
        forms = {"{" + l + " " + h + "}", "{" + l + "," + h + "}", "{" + l + ", " + h + "}",
                 (skill ? "{" : "{ ") + l + "\t" + h + " }", l + "," + h, l + " " + h};
    if (braced)
        std::erase_if(forms, [](const std::string& form) { return !form.starts_with('{'); });
    return random.pick(forms);
}

std::string slotLine(RandomScripts& random, const LineSlot& slot, const SlotFields& fields)
{
    const std::string value = *fields.value;
    std::string key = random.anyCase(slot.key.substr(0, slot.key.size() - 1));
    std::string text;
    if (slot.form == SlotForm::Plain) {
        text = value;
    } else if (slot.form == SlotForm::Range) {
        text = rangeText(random, value, *fields.high, false, false);
    } else {
        key = *fields.name;
        text = rangeText(random, value, *fields.high, true, false);
    }
    return random.blanks() + key + random.blanks() + "=" + random.blanks() + text + random.comment();
}

void writeBlock(RandomScripts& random, std::vector<std::string>& lines, const DefinitionLayout& layout,
                std::span<const SlotFields> fields, bool create)
{
    for (std::size_t slot = 0; slot < layout.lineSlots.size(); ++slot) {
        const LineSlot& line = layout.lineSlots[slot];
        if (line.inCreateBlock != create)
            continue;
        if (random.chance(0.1))
            lines.push_back(random.unknownLine());
        const SlotValues values{fields[slot].name ? *fields[slot].name : std::string_view(), *fields[slot].value,
                                fields[slot].high ? *fields[slot].high : std::string_view()};
        if (isWritten(line.form, values))
            lines.push_back(slotLine(random, line, fields[slot]));
    }
}

std::string header(RandomScripts& random, const DefinitionKind& kind, std::string& identifier)
{
    const bool prefixed = random.chance(0.5);
    if (!prefixed)
        identifier = "0" + std::to_string(random.below(100000));
    return random.blanks() + "[" + random.blanks() + random.anyCase(kind.section) + random.pick(std::vector<std::string>{" ", "\t", " \t"})
        + (prefixed ? random.anyCase(kind.identifierPrefix) : "") + identifier + random.blanks() + "]" + random.comment();
}

template <typename Record>
std::size_t writeDefinition(RandomScripts& random, std::string& text, std::string_view lineBreak,
                            const DefinitionLayout& layout, Record& record, std::span<const SlotFields> fields)
{
    std::vector<std::string> lines = {header(random, layout.kind, record.identifier)};
    writeBlock(random, lines, layout, fields, false);
    if (random.chance(0.8)) {
        lines.push_back(random.blanks() + random.anyCase("ON") + random.blanks() + "=" + random.anyCase("@Create"));
        writeBlock(random, lines, layout, fields, true);
    } else {
        // Without a creation block its lines are not there to be read.
        for (std::size_t slot = 0; slot < layout.lineSlots.size(); ++slot) {
            if (layout.lineSlots[slot].inCreateBlock) {
                for (std::string* field : {fields[slot].name, fields[slot].value, fields[slot].high})
                    if (field != nullptr)
                        field->clear();
            }
        }
    }
    if (random.chance(0.3))
        lines.insert(lines.end(), {"ON=@Click", "  SAY hello", "NAME=not the name"});
    const std::size_t start = text.size();
    for (const std::string& line : lines)
        text += line + std::string(lineBreak);
    return start;
}

// Any value in a plain slot; a range's values without separators; a skill's name off the list.
template <typename Record, std::size_t kSlots>
Record randomRecord(RandomScripts& random, std::array<SlotFields, kSlots> (*slotFields)(Record&))
{
    Record record;
    record.identifier = random.identifier();
    for (const SlotFields& fields : slotFields(record)) {
        if (fields.name != nullptr)
            *fields.name = random.skillName();
        *fields.value = fields.high != nullptr ? random.rangeValue() : random.value();
        if (fields.high != nullptr)
            *fields.high = random.rangeValue();
    }
    return record;
}

} // namespace

ItemRecord RandomScripts::item()
{
    return randomRecord(*this, itemSlotFields);
}

NpcRecord RandomScripts::npc()
{
    return randomRecord(*this, npcSlotFields);
}

RandomScript randomScript(RandomScripts& random, std::string_view lineBreak)
{
    RandomScript script;
    script.text = "VERSION=X1" + std::string(lineBreak) + std::string(lineBreak);
    for (std::size_t count = 1 + random.below(4); count > 0; --count) {
        if (random.chance(0.2))
            script.text += "[TYPEDEF t_x]" + std::string(lineBreak) + "ON=@DClick" + std::string(lineBreak);
        if (random.chance(0.5)) {
            ItemRecord item = random.item();
            script.itemHeaders.push_back(
                writeDefinition(random, script.text, lineBreak, itemLayout(), item, itemSlotFields(item)));
            script.items.push_back(item);
        } else {
            NpcRecord npc = random.npc();
            script.npcHeaders.push_back(
                writeDefinition(random, script.text, lineBreak, npcLayout(), npc, npcSlotFields(npc)));
            script.npcs.push_back(npc);
        }
        script.text += random.pick(std::vector<std::string>{"", "// next", std::string(random.blanks())})
            + std::string(lineBreak);
    }
    if (random.chance(0.5))
        script.text.resize(script.text.size() - lineBreak.size());
    return script;
}

} // namespace defwright::test
