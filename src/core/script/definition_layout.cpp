#include "core/script/definition_layout.h"

namespace defwright {
namespace {

bool sameGroup(const LineSlot& a, const LineSlot& b)
{
    return a.form == b.form && a.key == b.key && a.inCreateBlock == b.inCreateBlock;
}

} // namespace

SlotGroup slotGroup(const DefinitionLayout& layout, std::size_t slot)
{
    SlotGroup group{slot, slot + 1};
    while (group.first > 0 && sameGroup(layout.lineSlots[group.first - 1], layout.lineSlots[slot]))
        --group.first;
    while (group.end < layout.lineSlots.size() && sameGroup(layout.lineSlots[group.end], layout.lineSlots[slot]))
        ++group.end;
    return group;
}

} // namespace defwright
