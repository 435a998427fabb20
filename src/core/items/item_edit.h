#pragma once

#include "core/items/item_record.h"
#include "core/script/definition_layout.h"
#include "core/script/edit_planner.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

/// The smallest replacement of the script that changes one field of the item
/// definition whose header line begins at `headerStart` (see planFieldEdit):
/// `fields` is the item page as it was before the change, `field` the field
/// that changed (item_layout.h names them) and `value` its new text. New lines
/// end with `lineBreak`. None when no item header begins at `headerStart`.
[[nodiscard]] std::optional<TextEdit> planItemEdit(std::string_view script, std::size_t headerStart,
                                                   const ItemRecord& fields, const FieldId& field,
                                                   std::string_view value, std::string_view lineBreak);

} // namespace defwright
