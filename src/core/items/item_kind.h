#pragma once

#include "core/items/item_layout.h"
#include "core/items/item_script.h"
#include "core/script/record_kind.h"

namespace defwright {

/// The item page's definitions, "[ITEMDEF i_<id>]", to the readers and
/// planners of record_kind.h: "HITPOINTS=" and "COLOR=" are read after
/// "ON=@CREATE", every other key of the page before it.
using ItemKind = RecordKind<ItemRecord, itemLayout, itemSlotFields, itemScript>;

using ItemReading = RecordReading<ItemKind>;

} // namespace defwright
