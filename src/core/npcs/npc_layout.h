#pragma once

#include "core/npcs/npc_record.h"
#include "core/script/definition_fields.h"

#include <array>
#include <cstddef>

namespace defwright {

/// The lines of an NPC definition in the order npcScript() writes them: the 17
/// basic values and the ten list boxes, then in the creation block the brain,
/// the five stats, the four creation values and the six skill slots.
[[nodiscard]] const DefinitionLayout& npcLayout();

inline constexpr std::size_t kNpcFirstListSlot = NpcRecord::kBasicCount;
inline constexpr std::size_t kNpcBrainSlot = kNpcFirstListSlot + NpcRecord::kListCount;
inline constexpr std::size_t kNpcFirstStatSlot = kNpcBrainSlot + 1;
inline constexpr std::size_t kNpcFirstCreationSlot = kNpcFirstStatSlot + NpcRecord::kStatCount;
inline constexpr std::size_t kNpcFirstSkillSlot = kNpcFirstCreationSlot + NpcRecord::kCreationCount;
inline constexpr std::size_t kNpcSlotCount = kNpcFirstSkillSlot + NpcRecord::kSkillCount;

/// The fields of the NPC pages, as the planner names them.
inline constexpr FieldId kNpcIdentifierField{};
/// @param index from 0: box 1, "NAME=", is index 0, as in NpcRecord::basic
[[nodiscard]] constexpr FieldId npcBasicField(std::size_t index)
{
    return {index, FieldPart::Value};
}
[[nodiscard]] constexpr FieldId npcListField(std::size_t index)
{
    return {kNpcFirstListSlot + index, FieldPart::Value};
}
[[nodiscard]] constexpr FieldId npcBrainField()
{
    return {kNpcBrainSlot, FieldPart::Value};
}
/// @param part FieldPart::Low or FieldPart::High
[[nodiscard]] constexpr FieldId npcStatField(std::size_t index, FieldPart part)
{
    return {kNpcFirstStatSlot + index, part};
}
[[nodiscard]] constexpr FieldId npcCreationField(std::size_t index)
{
    return {kNpcFirstCreationSlot + index, FieldPart::Value};
}
/// @param part FieldPart::Name, FieldPart::Low or FieldPart::High
[[nodiscard]] constexpr FieldId npcSkillField(std::size_t slot, FieldPart part)
{
    return {kNpcFirstSkillSlot + slot, part};
}

/// The record's strings that each slot of npcLayout() holds.
[[nodiscard]] std::array<SlotFields, kNpcSlotCount> npcSlotFields(NpcRecord& npc);

} // namespace defwright
