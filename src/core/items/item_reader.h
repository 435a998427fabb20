#pragma once

#include "core/items/item_record.h"
#include "core/script/definition_fields.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

using ItemReading = DefinitionReading<ItemRecord>;

/// The item record of the item definition that holds byte `caret` of the
/// script, or of the first one when the caret stands before any header; none
/// when the caret is in a definition of another kind, or there is no item
/// definition. The header may be "[ITEMDEF i_x]" (identifier "x"),
/// "[itemdef 0x0f5e]" or any other form with blanks and a comment. Each key of
/// the item page, in any case, is read in the block the generator writes it
/// in: "HITPOINTS=" and "COLOR=" after "ON=@CREATE", the others before it. A
/// value is the text after "=" without the blanks around it and without a
/// comment. A field the definition does not give is empty.
[[nodiscard]] std::optional<ItemReading> readItemDefinition(std::string_view script, std::size_t caret = 0);

/// The same for the item definition whose header line begins at `headerStart`.
[[nodiscard]] std::optional<ItemReading> readItemDefinitionAt(std::string_view script, std::size_t headerStart);

} // namespace defwright
