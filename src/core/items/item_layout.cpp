#include "core/items/item_layout.h"

#include "core/items/item_tables.h"

namespace defwright {
namespace {

constexpr std::array<LineSlot, kItemSlotCount> makeSlots()
{
    std::array<LineSlot, kItemSlotCount> slots;
    std::size_t at = 0;
    for (const std::string_view key : kItemBasicKeys)
        slots[at++] = {key, false, SlotForm::Plain};
    slots[at++] = {kItemTypeKey, false, SlotForm::Plain};
    for (const std::string_view key : kItemAxisKeys)
        slots[at++] = {key, false, SlotForm::Plain};
    slots[at++] = {kItemHitPointsKey, true, SlotForm::Range};
    slots[at] = {kItemColorKey, true, SlotForm::Plain};
    return slots;
}

constexpr std::array<LineSlot, kItemSlotCount> kSlots = makeSlots();

} // namespace

const DefinitionLayout& itemLayout()
{
    static constexpr DefinitionLayout kLayout{definitionKind(kItemHeaderCaption), kSlots, {}};
    return kLayout;
}

std::array<SlotFields, kItemSlotCount> itemSlotFields(ItemRecord& item)
{
    std::array<SlotFields, kItemSlotCount> fields;
    std::size_t at = 0;
    for (std::string& value : item.basic)
        fields[at++].value = &value;
    fields[at++].value = &item.type;
    for (std::string& value : item.axis)
        fields[at++].value = &value;
    fields[at++] = {nullptr, &item.hitPointsLow, &item.hitPointsHigh};
    fields[at].value = &item.color;
    return fields;
}

} // namespace defwright
