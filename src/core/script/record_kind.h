#pragma once

#include "core/script/definition_fields.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace defwright {

/// One kind of definition, as the readers and planners below take it: its
/// record, the function that gives the layout of its lines, the one that gives
/// a record's strings slot by slot in the layout's order, and its generator.
/// ItemKind and NpcKind are the two.
template <typename RecordType, auto layoutOf, auto slotFieldsOf, auto scriptOf>
struct RecordKind {
    using Record = RecordType;
    static constexpr auto layout = layoutOf;
    static constexpr auto slotFields = slotFieldsOf;
    static constexpr auto script = scriptOf;
};

template <typename Kind>
using RecordReading = DefinitionReading<typename Kind::Record>;

/// The slots of a record that is only read: nothing is written through them.
template <typename Kind>
[[nodiscard]] auto readOnlySlots(const typename Kind::Record& record)
{
    return Kind::slotFields(const_cast<typename Kind::Record&>(record));
}

/// The record of the definition at `place`, and where its lines stand.
template <typename Kind>
[[nodiscard]] RecordReading<Kind> readRecord(std::string_view script, const DefinitionPlace& place)
{
    RecordReading<Kind> reading{{}, readDefinitionLines(script, place, Kind::layout()), {}};
    reading.record.identifier = place.identifier.of(script);
    fillFields(script, reading.lines, Kind::layout(), Kind::slotFields(reading.record));
    reading.unheld = unheldLines(script, reading.lines);
    return reading;
}

/// The record of the definition of this kind that holds byte `caret` of the
/// script, or of the first one when the caret stands before any header; none
/// when the caret is in a definition of another kind, or there is none of this
/// kind. The header may be "[ITEMDEF i_x]" (identifier "x"), "[itemdef 0x0f5e]"
/// or any other form with blanks and a comment. Each key, in any case, is read
/// in the block its generator writes it in (see DefinitionLines). A value is the
/// text after "=" without the blanks around it and without a comment. A field
/// the definition does not give is empty, whatever the record's default.
template <typename Kind>
[[nodiscard]] std::optional<RecordReading<Kind>> readDefinition(std::string_view script, std::size_t caret = 0)
{
    const std::optional<DefinitionPlace> place = definitionAt(script, caret, Kind::layout().kind);
    return place ? std::optional(readRecord<Kind>(script, *place)) : std::nullopt;
}

/// The same for the definition of this kind whose header line begins at `headerStart`.
template <typename Kind>
[[nodiscard]] std::optional<RecordReading<Kind>> readDefinitionAt(std::string_view script, std::size_t headerStart)
{
    const std::optional<DefinitionPlace> place = definitionAtHeader(script, headerStart, Kind::layout().kind);
    return place ? std::optional(readRecord<Kind>(script, *place)) : std::nullopt;
}

/// The smallest replacement of the script that changes one field of the
/// definition whose header line begins at `headerStart` (see planFieldEdit):
/// `fields` is the page as it was before the change, `field` the field that
/// changed and `value` its new text. New lines end with `lineBreak`. None when
/// no header of this kind begins at `headerStart`, or the kind has no such field.
template <typename Kind>
[[nodiscard]] std::optional<TextEdit> planEdit(std::string_view script, std::size_t headerStart,
                                               const typename Kind::Record& fields, const FieldId& field,
                                               std::string_view value, std::string_view lineBreak)
{
    return planRecordEdit(script, headerStart, Kind::layout(), readOnlySlots<Kind>(fields), fields.identifier, field,
                          value, lineBreak);
}

/// The string of the record that a field id names.
template <typename Kind>
[[nodiscard]] std::string& recordField(typename Kind::Record& record, const FieldId& field)
{
    if (field.slot == FieldId::kIdentifier)
        return record.identifier;
    return slotField(Kind::slotFields(record)[field.slot], field.part);
}

} // namespace defwright
