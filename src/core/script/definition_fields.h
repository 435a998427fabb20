#pragma once

#include "core/script/definition_lines.h"
#include "core/script/edit_planner.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// The strings of a record that one line slot's values are; the ones a slot
/// does not have are null (a plain line has only a value).
struct SlotFields {
    std::string* name = nullptr;
    std::string* value = nullptr;
    std::string* high = nullptr;
};

/// A record read from a definition, with where each of its lines stands.
template <typename Record>
struct DefinitionReading {
    Record record;
    DefinitionLines lines;          // the header, the extent, each field's line
    std::vector<UnheldLine> unheld; // the lines the fields cannot hold
};

/// The string of a slot that a part names.
/// @pre the slot has that part: a name only a skill's, a high value only a range's or a skill's
[[nodiscard]] std::string& slotField(const SlotFields& fields, FieldPart part);

/// Fills the fields from the slots' lines; a slot without a line empties its fields.
void fillFields(std::string_view script, const DefinitionLines& lines, const DefinitionLayout& layout,
                std::span<const SlotFields> fields);

/// Plans the change of one field of a record whose fields stand for the
/// definition at `headerStart`; none when no header of the layout's kind begins there.
/// @param fields the record's fields before the change
std::optional<TextEdit> planRecordEdit(std::string_view script, std::size_t headerStart, const DefinitionLayout& layout,
                                       std::span<const SlotFields> fields, std::string_view identifier,
                                       const FieldId& field, std::string_view value, std::string_view lineBreak);

} // namespace defwright
