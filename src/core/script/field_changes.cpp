#include "core/script/field_changes.h"

namespace defwright {

std::vector<FieldId> changedFields(const DefinitionLayout& layout, std::string_view beforeIdentifier,
                                   std::span<const SlotFields> before, std::string_view afterIdentifier,
                                   std::span<const SlotFields> after)
{
    std::vector<FieldId> changed;
    if (beforeIdentifier != afterIdentifier)
        changed.push_back(FieldId{});
    const auto differs = [](const std::string* was, const std::string* is) { return was != nullptr && *was != *is; };
    for (std::size_t slot = 0; slot < before.size(); ++slot) {
        const bool plain = layout.lineSlots[slot].form == SlotForm::Plain;
        if (differs(before[slot].name, after[slot].name))
            changed.push_back({slot, FieldPart::Name});
        if (differs(before[slot].value, after[slot].value))
            changed.push_back({slot, plain ? FieldPart::Value : FieldPart::Low});
        if (differs(before[slot].high, after[slot].high))
            changed.push_back({slot, FieldPart::High});
    }
    return changed;
}

} // namespace defwright
