#include "core/items/item_edit.h"

#include "core/items/item_layout.h"

namespace defwright {

std::optional<TextEdit> planItemEdit(std::string_view script, std::size_t headerStart, const ItemRecord& fields,
                                     const FieldId& field, std::string_view value, std::string_view lineBreak)
{
    ItemRecord before = fields;
    return planRecordEdit(script, headerStart, itemLayout(), itemSlotFields(before), fields.identifier, field, value,
                          lineBreak);
}

} // namespace defwright
