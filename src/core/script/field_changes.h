#pragma once

#include "core/script/record_kind.h"

#include <span>
#include <string_view>
#include <vector>

namespace defwright {

/// The fields whose texts differ between two records of a layout: the
/// identifier first, then slot by slot in the layout's order, a skill's name
/// before its values. A plain slot's value is FieldPart::Value, a range's or
/// a skill's FieldPart::Low.
[[nodiscard]] std::vector<FieldId> changedFields(const DefinitionLayout& layout, std::string_view beforeIdentifier,
                                                 std::span<const SlotFields> before, std::string_view afterIdentifier,
                                                 std::span<const SlotFields> after);

template <typename Kind>
[[nodiscard]] std::vector<FieldId> changedFields(const typename Kind::Record& before,
                                                 const typename Kind::Record& after)
{
    return changedFields(Kind::layout(), before.identifier, readOnlySlots<Kind>(before), after.identifier,
                         readOnlySlots<Kind>(after));
}

} // namespace defwright
