#pragma once

#include "core/npcs/npc_record.h"

#include <string>

namespace defwright {

/// The whole NPC script: banner, "[CHARDEF c_<id>]", one line per non-empty
/// basic value (boxes 1 to 17) and per non-empty list box (0 to 9), one empty
/// line, "ON=@CREATE", "NPC=" and the brain (always, even when empty), a
/// KEY={low high} line per stat whose low value is not empty, the creation
/// values, and a NAME={low high} line per skill slot whose name is not empty.
/// Values are copied byte for byte. Lines are joined by CR LF; the text never
/// ends with one.
[[nodiscard]] std::string npcScript(const NpcRecord& npc);

} // namespace defwright
