#pragma once

#include "core/table/definition_table.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace defwright {

/// The captions of the first two columns of an exported table.
inline constexpr std::array<std::string_view, 2> kCsvFirstColumns = {"Definition", "File"};

/// The rows as the bytes of a CSV file, for a spreadsheet: a UTF-8 BOM (so
/// spreadsheets read the file as UTF-8), a header row of kCsvFirstColumns and
/// the keys' names, then one row per definition: its name, its file and each
/// key's cell (a repeated key's values one a line in one field); CR LF after every row.
[[nodiscard]] std::string tableCsv(const DefinitionTable& table, std::span<const std::uint32_t> rows,
                                   std::span<const std::uint32_t> keys);

} // namespace defwright
