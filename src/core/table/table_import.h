#pragma once

#include "core/table/cell_changes.h"
#include "core/table/csv_reader.h"
#include "core/table/definition_table.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A cell of the table that an imported CSV changes.
struct ImportChange {
    std::uint32_t row = 0;
    std::string key;    ///< in upper case
    std::string before; ///< one value a line, as the table holds it
    std::string after;  ///< as the CSV gives it, each value without blanks at its ends
    std::size_t csvLine = 0;
};

enum class SkipReason : std::uint8_t { Gone, Ambiguous, Repeated };

inline constexpr std::array<std::string_view, 3> kSkipReasonTexts = {
    "No definition of that name is in that file.",
    "More than one definition of that name is in that file.",
    "An earlier row of the CSV gives the same definition.",
};

/// A row of the CSV that changes nothing, since its definition cannot be told.
struct SkippedRow {
    std::size_t csvLine = 0;
    std::string name;
    std::string file;
    SkipReason reason = SkipReason::Gone;
};

enum class ColumnRefusal : std::uint8_t { NotAccepted, Repeated, Unnamed };

inline constexpr std::array<std::string_view, 3> kColumnRefusalTexts = {
    "Definitions of this kind take no such key.",
    "An earlier column has the same key.",
    "The column has no key in the first row.",
};

/// A column of the CSV whose cells change nothing.
struct RefusedColumn {
    std::size_t column = 0; ///< from 0
    std::string name;
    ColumnRefusal reason = ColumnRefusal::NotAccepted;
};

/// What importing a CSV would change: nothing when it cannot be read
/// (`problem`) or its first row does not begin with kCsvFirstColumns.
struct ImportPlan {
    std::vector<ImportChange> changes;
    std::vector<SkippedRow> skipped;
    std::vector<RefusedColumn> refusedColumns;
    std::optional<CsvProblem> problem;
    bool headerMissing = false;
};

/// The changes a CSV written by tableCsv() (and edited since) makes to the
/// table: each row's definition found by its name (ids in any form) and file;
/// a column taken when `acceptsKey` accepts its key, or the table's rows give
/// it, or it is a tag; only cells whose values differ from the table's
/// become changes. A cell the row does not have (a short row) changes nothing.
[[nodiscard]] ImportPlan planImport(const DefinitionTable& table, const CsvText& csv,
                                    const std::function<bool(std::string_view)>& acceptsKey);

/// The changes of the plan as cell changes, those ticked only (all when `ticked` is empty).
[[nodiscard]] std::vector<CellChange> importedChanges(const ImportPlan& plan, const std::vector<bool>& ticked = {});

} // namespace defwright
