#pragma once

#include "core/npcs/npc_record.h"
#include "core/script/definition_layout.h"
#include "core/script/edit_planner.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

/// The NPC counterpart of planItemEdit(): `field` as npc_layout.h names it.
[[nodiscard]] std::optional<TextEdit> planNpcEdit(std::string_view script, std::size_t headerStart,
                                                  const NpcRecord& fields, const FieldId& field,
                                                  std::string_view value, std::string_view lineBreak);

} // namespace defwright
