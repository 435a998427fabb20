#pragma once

#include "core/script/definition_layout.h"
#include "core/script/range_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// Where a definition's lines stand: the line that each slot of its layout
/// reads, and the lines that none reads.
///
/// Blank and comment lines are passed over. The first "ON=@CREATE" opens the
/// creation block; any other trigger opens a block no slot reads. A keyed line
/// fills the next free slot of its key's group in its block; in a group of
/// several boxes a line with an empty value fills none. In the creation block
/// a line whose key no slot has is a skill's when its key is a listed skill,
/// whatever the form of its value. Every line that fills no slot is unheld.
struct DefinitionLines {
    DefinitionPlace place;
    ScriptLine header;
    std::optional<ScriptLine> createLine;
    std::vector<std::optional<ScriptLine>> slotLines;// by slot of the layout
    std::vector<std::size_t> unheld;              // where each unheld line begins
};

[[nodiscard]] DefinitionLines readDefinitionLines(std::string_view script, const DefinitionPlace& place,
                                                  const DefinitionLayout& layout);

/// Where the range values of a range's or skill's line stand.
[[nodiscard]] RangeSpans slotRange(std::string_view script, const LineSlot& slot, const ScriptLine& line);

/// The values a slot's line holds, as views into the script.
[[nodiscard]] SlotValues slotValues(std::string_view script, const LineSlot& slot, const ScriptLine& line);

/// A line of a definition that the fields cannot hold, as it stands in the script.
struct UnheldLine {
    std::size_t number; // counting from 1, as an editor shows it
    std::string text;
};

[[nodiscard]] std::vector<UnheldLine> unheldLines(std::string_view script, const DefinitionLines& lines);

} // namespace defwright
