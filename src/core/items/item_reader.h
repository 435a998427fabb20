#pragma once

#include "core/items/item_record.h"
#include "core/script/definition_reader.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

using ItemReading = DefinitionReading<ItemRecord>;

/// The item record that itemScript() would have been given for the
/// "[ITEMDEF i_<id>]" definition holding the caret's line (counting from 0), or
/// the first one when the caret stands before any header, with the lines of it
/// that the record cannot hold. Keys are those of the item page's labels, each
/// read in the block the generator writes it in: "HITPOINTS=" and "COLOR=" after
/// "ON=@CREATE", the others before it. "HITPOINTS=" fills the low and the high
/// box. A field the definition does not give is empty. None when the caret is in a definition of another kind, or
/// the script holds no item definition.
[[nodiscard]] std::optional<ItemReading> readItemDefinition(std::string_view script, std::size_t caretLine = 0);

} // namespace defwright
