#pragma once

#include "core/npcs/npc_record.h"
#include "core/script/definition_reader.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

using NpcReading = DefinitionReading<NpcRecord>;

/// The NPC record that npcScript() would have been given for the
/// "[CHARDEF c_<id>]" definition holding the caret's line (counting from 0), or
/// the first one when the caret stands before any header, with the lines of it
/// that the record cannot hold. Each key is read in the block the generator
/// writes it in, before or after "ON=@CREATE". "CAN=", "TSPEECH=" and
/// "TEVENTS=" lines fill their boxes in order, stat lines their low and high
/// boxes, and NAME={low high} lines of the creation block (or of a listed skill
/// anywhere) the skill slots in order. A field the definition does not give is empty, the brain too. None
/// when the caret is in a definition of another kind, or there is no NPC definition.
[[nodiscard]] std::optional<NpcReading> readNpcDefinition(std::string_view script, std::size_t caretLine = 0);

} // namespace defwright
