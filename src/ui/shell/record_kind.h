#pragma once

#include "core/items/item_edit.h"
#include "core/items/item_layout.h"
#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_edit.h"
#include "core/npcs/npc_layout.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// What the window needs of one kind of definition to tie its fields to one:
/// the core's reader, planner, layout and generator for its record.
template <typename Record>
struct RecordKind {
    using Reading = DefinitionReading<Record>;

    std::optional<Reading> (*readAtCaret)(std::string_view script, std::size_t caret);
    std::optional<Reading> (*readAtHeader)(std::string_view script, std::size_t headerStart);
    std::optional<TextEdit> (*planEdit)(std::string_view script, std::size_t headerStart, const Record& fields,
                                        const FieldId& field, std::string_view value, std::string_view lineBreak);
    const DefinitionLayout& (*layout)();
    std::vector<SlotFields> (*slotFields)(Record& record);
    std::string (*script)(const Record& record);
};

inline RecordKind<ItemRecord> itemRecordKind()
{
    return {readItemDefinition, readItemDefinitionAt, planItemEdit, itemLayout,
            [](ItemRecord& item) {
                const auto fields = itemSlotFields(item);
                return std::vector<SlotFields>(fields.begin(), fields.end());
            },
            itemScript};
}

inline RecordKind<NpcRecord> npcRecordKind()
{
    return {readNpcDefinition, readNpcDefinitionAt, planNpcEdit, npcLayout,
            [](NpcRecord& npc) {
                const auto fields = npcSlotFields(npc);
                return std::vector<SlotFields>(fields.begin(), fields.end());
            },
            npcScript};
}

} // namespace defwright
