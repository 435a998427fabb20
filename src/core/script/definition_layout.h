#pragma once

#include "core/script/definition_text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace defwright {

/// How a line of a definition holds its field values.
enum class SlotForm : std::uint8_t {
    Plain, // KEY=value
    Range, // KEY={low high}; the low value decides whether the line is written
    Skill, // NAME={low high}; the name is the key, and decides whether the line is written
};

/// One line a generator may write, in the order it writes them. Lines of the
/// same key and block next to each other are a group (the three "CAN=" boxes):
/// its lines fill the boxes in the order they stand. All skill lines are one group.
struct LineSlot {
    std::string_view key; // the key caption, "=" included; empty for a skill
    bool inCreateBlock = false;
    SlotForm form = SlotForm::Plain;
};

/// A kind of definition: its header and the lines of its generator.
struct DefinitionLayout {
    DefinitionKind kind;
    std::span<const LineSlot> lineSlots;
    std::span<const std::string_view> skillNames; // names that make a line a skill's, whatever its value
};

/// A part of a line's values: the value of a plain line, the low or high value
/// of a range or a skill, a skill's name.
enum class FieldPart : std::uint8_t { Value, Low, High, Name };

/// One field of a page: the line slot it is written on and its part of that
/// line; the identifier is written in the header instead.
struct FieldId {
    static constexpr std::size_t kIdentifier = static_cast<std::size_t>(-1);

    std::size_t slot = kIdentifier;
    FieldPart part = FieldPart::Value;

    bool operator==(const FieldId&) const = default;
};

/// The values of one line slot, as views into a record: the plain value or the
/// low value is `value`.
struct SlotValues {
    std::string_view name;
    std::string_view value;
    std::string_view high;
};

/// Whether a slot with these values is written at all: the generators' rule.
[[nodiscard]] constexpr bool isWritten(SlotForm form, const SlotValues& values)
{
    return !(form == SlotForm::Skill ? values.name : values.value).empty();
}

/// The first slot of the group that `slot` belongs to, and one past its last.
struct SlotGroup {
    std::size_t first;
    std::size_t end;
};

[[nodiscard]] SlotGroup slotGroup(const DefinitionLayout& layout, std::size_t slot);

} // namespace defwright
