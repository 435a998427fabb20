#pragma once

#include "core/script/text_edit.h"
#include "core/table/definition_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A cell of the table set to a new text by the user.
struct CellChange {
    std::uint32_t row = 0;
    std::string key;   ///< as the column names it, any case
    std::string value; ///< one value a line; empty takes the key's lines away
};

/// The edits of one file, apart from one another and sorted: applied from
/// the last to the first (or with applyEdits()), each one's offsets hold.
struct TableFileEdits {
    std::uint32_t file = 0;
    std::vector<TextEdit> edits;
};

/// Why a change is not planned.
enum class CellRefusal : std::uint8_t {
    DefinitionChanged, ///< its definition is no longer where the table read it
    Unwritable,        ///< a value or the key would not read back as given
    SetAgain,          ///< a later change of the same action sets the same cell
    Overlapping,       ///< its file's edits would overlap: the whole file is refused
};

inline constexpr std::array<std::string_view, 4> kCellRefusalTexts = {
    "The definition has changed since the table was read.",
    "The value cannot be written on a line of its own: it would not read back as typed.",
    "The same cell is set again later in this action.",
    "The changes of this file would overlap.",
};

struct RefusedChange {
    std::size_t change = 0; ///< its place in the changes given
    CellRefusal reason = CellRefusal::Unwritable;
};

struct CellPlan {
    std::vector<TableFileEdits> files; ///< only files with something to change
    std::vector<RefusedChange> refused;
};

/// The smallest edits that make each changed cell say its new value (see
/// CellPlanner), per file, planned against `texts` (by the table's file
/// numbers), the texts the table was read from or read again from. New lines
/// get the break the file uses most. A change that would change nothing
/// plans nothing.
[[nodiscard]] CellPlan planCellChanges(const DefinitionTable& table, std::span<const std::string_view> texts,
                                       std::span<const CellChange> changes);

} // namespace defwright
