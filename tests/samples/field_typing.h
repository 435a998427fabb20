#pragma once

#include "core/items/item_record.h"
#include "core/npcs/npc_record.h"

class QWidget;

namespace defwright::samples {

// Types a record into the main window's fields key by key, as a scripter
// would; empty values are left alone. The type and the brain are picked from
// their lists when they are listed there.
void typeItem(QWidget& window, const ItemRecord& item);
void typeNpc(QWidget& window, const NpcRecord& npc);

} // namespace defwright::samples
