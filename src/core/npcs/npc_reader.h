#pragma once

#include "core/npcs/npc_record.h"
#include "core/script/definition_fields.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

using NpcReading = DefinitionReading<NpcRecord>;

/// The NPC record of the NPC definition that holds byte `caret` of the script,
/// or of the first one when the caret stands before any header; none when the
/// caret is in a definition of another kind, or there is no NPC definition.
/// Headers, keys and values are read as readItemDefinition() reads them.
/// "CAN=", "TSPEECH=" and "TEVENTS=" lines fill their boxes in order, stat
/// lines their low and high boxes; in the creation block a line of a listed
/// skill fills the next skill slot (a name off the list, like the many
/// MAXHITS={low high} lines of real scripts, is not read as a skill). A field
/// the definition does not give is empty, the brain too.
[[nodiscard]] std::optional<NpcReading> readNpcDefinition(std::string_view script, std::size_t caret = 0);

/// The same for the NPC definition whose header line begins at `headerStart`.
[[nodiscard]] std::optional<NpcReading> readNpcDefinitionAt(std::string_view script, std::size_t headerStart);

} // namespace defwright
