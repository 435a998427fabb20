#pragma once

#include "core/items/item_record.h"
#include "core/script/definition_fields.h"

#include <array>
#include <cstddef>

namespace defwright {

/// The lines of an item definition in the order itemScript() writes them: the
/// 22 basic values, the type and the three axis values, then in the creation
/// block the hit points and the colour.
[[nodiscard]] const DefinitionLayout& itemLayout();

inline constexpr std::size_t kItemSlotCount = ItemRecord::kBasicCount + 1 + ItemRecord::kAxisCount + 2;

/// The fields of the item page, as the planner names them.
inline constexpr FieldId kItemIdentifierField{};
[[nodiscard]] constexpr FieldId itemBasicField(std::size_t index)
{
    return {index, FieldPart::Value};
}
[[nodiscard]] constexpr FieldId itemTypeField()
{
    return {ItemRecord::kBasicCount, FieldPart::Value};
}
[[nodiscard]] constexpr FieldId itemAxisField(std::size_t index)
{
    return {ItemRecord::kBasicCount + 1 + index, FieldPart::Value};
}
/// @param part FieldPart::Low or FieldPart::High
[[nodiscard]] constexpr FieldId itemHitPointsField(FieldPart part)
{
    return {kItemSlotCount - 2, part};
}
[[nodiscard]] constexpr FieldId itemColorField()
{
    return {kItemSlotCount - 1, FieldPart::Value};
}

/// The record's strings that each slot of itemLayout() holds.
[[nodiscard]] std::array<SlotFields, kItemSlotCount> itemSlotFields(ItemRecord& item);

} // namespace defwright
