#pragma once

#include "core/items/item_record.h"

#include <string>

namespace defwright {

/// The whole item script: banner, "[ITEMDEF i_<id>]", one line per non-empty
/// basic value in index order, the "TYPE=" line, an empty line, the axis lines,
/// an empty line, "ON=@CREATE", the "HITPOINTS=" line (written when the low
/// value is not empty, whatever the high one holds) and the "COLOR=" line.
/// Values are copied byte for byte. Lines are joined by CR LF; the text never
/// ends with one.
[[nodiscard]] std::string itemScript(const ItemRecord& item);

/// The shortened script written when the scripter enters a basic field: the
/// full script up to and including the axis lines, nothing after them. With
/// every axis value empty it ends with the CR LF that follows the type line.
[[nodiscard]] std::string itemFocusScript(const ItemRecord& item);

} // namespace defwright
