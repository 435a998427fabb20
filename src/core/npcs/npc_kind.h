#pragma once

#include "core/npcs/npc_layout.h"
#include "core/npcs/npc_script.h"
#include "core/script/record_kind.h"

namespace defwright {

/// The NPC pages' definitions, "[CHARDEF c_<id>]", to the readers and
/// planners of record_kind.h. "CAN=", "TSPEECH=" and "TEVENTS=" lines fill
/// their boxes in order, stat lines their low and high boxes; in the creation
/// block a line of a listed skill fills the next skill slot (a name off the
/// list, like the many MAXHITS={low high} lines of real scripts, is not read
/// as a skill). Read, the brain is empty when no "NPC=" line gives it.
using NpcKind = RecordKind<NpcRecord, npcLayout, npcSlotFields, npcScript>;

using NpcReading = RecordReading<NpcKind>;

} // namespace defwright
