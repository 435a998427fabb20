#pragma once

#include "core/table/definition_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// What a column of the table shows: the definition's name, its file, its
/// header's line, or one key's values.
enum class ColumnKind : std::uint8_t { Definition, File, Line, Key };

struct TableColumn {
    ColumnKind kind = ColumnKind::Key;
    std::uint32_t key = 0; ///< the table's number of the key, for a key's column

    bool operator==(const TableColumn&) const = default;
};

/// The captions of the columns that are not keys, by ColumnKind.
inline constexpr std::array<std::string_view, 3> kColumnCaptions = {"Definition", "File", "Line"};

/// The column's caption: one of kColumnCaptions, or the key's name.
[[nodiscard]] std::string_view columnCaption(const DefinitionTable& table, const TableColumn& column);

/// What the row shows in the column: the line counted from 1.
[[nodiscard]] std::string columnText(const DefinitionTable& table, const TableRow& row, const TableColumn& column);

/// The columns a table opens with: the definition, its DEFNAMEs (when any
/// row has one), file and line, then the `keys` keys its rows give most.
[[nodiscard]] std::vector<TableColumn> defaultColumns(const DefinitionTable& table, std::size_t keys);

} // namespace defwright
