#include "core/npcs/npc_layout.h"

#include "core/npcs/npc_tables.h"

namespace defwright {
namespace {

constexpr std::array<LineSlot, kNpcSlotCount> makeSlots()
{
    std::array<LineSlot, kNpcSlotCount> slots;
    std::size_t at = 0;
    for (const std::string_view key : kNpcBasicKeys)
        slots[at++] = {key, false, SlotForm::Plain};
    for (const std::string_view key : kNpcListKeys)
        slots[at++] = {key, false, SlotForm::Plain};
    slots[at++] = {kNpcBrainKey, true, SlotForm::Plain};
    for (const std::string_view key : kNpcStatKeys)
        slots[at++] = {key, true, SlotForm::Range};
    for (const std::string_view key : kNpcCreationKeys)
        slots[at++] = {key, true, SlotForm::Plain};
    while (at < slots.size())
        slots[at++] = {{}, true, SlotForm::Skill};
    return slots;
}

constexpr std::array<LineSlot, kNpcSlotCount> kSlots = makeSlots();

} // namespace

const DefinitionLayout& npcLayout()
{
    static constexpr DefinitionLayout kLayout{definitionKind(kNpcHeaderCaption), kSlots, kSkills};
    return kLayout;
}

std::array<SlotFields, kNpcSlotCount> npcSlotFields(NpcRecord& npc)
{
    std::array<SlotFields, kNpcSlotCount> fields;
    std::size_t at = 0;
    for (std::string& value : npc.basic)
        fields[at++].value = &value;
    for (std::string& value : npc.lists)
        fields[at++].value = &value;
    fields[at++].value = &npc.brain;
    for (RangeValues& stat : npc.stats)
        fields[at++] = {nullptr, &stat.low, &stat.high};
    for (std::string& value : npc.creation)
        fields[at++].value = &value;
    for (SkillSlot& skill : npc.skills)
        fields[at++] = {&skill.name, &skill.low, &skill.high};
    return fields;
}

} // namespace defwright
