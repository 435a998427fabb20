#pragma once

#include "core/table/table_column.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace defwright {

/// A cell's text as a number: a decimal ("12", "-3", "+1.5"), or an id in any
/// of its forms, read as hexadecimal as the server reads a number with a 0
/// first ("0a25", "0x0A25", "00"; "0" is zero). None for anything else.
[[nodiscard]] std::optional<double> cellNumber(std::string_view text);

/// How two cells sort: numbers (cellNumber()) before text, by value; text by
/// its letters without regard to ASCII case, then by its bytes; empty cells
/// last. Below 0 when `left` comes first, 0 when neither does.
[[nodiscard]] int compareCells(std::string_view left, std::string_view right);

/// The rows in the column's order, rows that sort alike in the order given;
/// descending turns the order round, but empty cells stay last.
[[nodiscard]] std::vector<std::uint32_t> sortedRows(const DefinitionTable& table, std::vector<std::uint32_t> rows,
                                                    const TableColumn& column, bool descending);

} // namespace defwright
