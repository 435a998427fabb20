#include "core/npcs/npc_edit.h"

#include "core/npcs/npc_layout.h"

namespace defwright {

std::optional<TextEdit> planNpcEdit(std::string_view script, std::size_t headerStart, const NpcRecord& fields,
                                    const FieldId& field, std::string_view value, std::string_view lineBreak)
{
    NpcRecord before = fields;
    return planRecordEdit(script, headerStart, npcLayout(), npcSlotFields(before), fields.identifier, field, value,
                          lineBreak);
}

} // namespace defwright
