#include "core/table/pasted_cells.h"

#include "core/table/csv_reader.h"

#include <algorithm>

namespace defwright {

PastedCells pastedChanges(std::span<const std::uint32_t> rows, std::span<const std::string> keys,
                          std::string_view pasted)
{
    CsvText block = readCsvText(pasted, '\t', true);
    if (block.problem) // a quote of the cell's own text, not a quoted cell: the text as it is
        block.rows = {{std::string(pasted)}};
    if (block.rows.empty())
        block.rows = {{std::string()}};
    std::size_t columns = 0;
    for (const std::vector<std::string>& row : block.rows)
        columns = std::max(columns, row.size());
    PastedCells pastedCells;
    const bool single = block.rows.size() == 1 && columns == 1;
    if (!single && (block.rows.size() != rows.size() || columns != keys.size())) {
        pastedCells.pastedRows = block.rows.size();
        pastedCells.pastedColumns = columns;
        return pastedCells;
    }
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t key = 0; key < keys.size(); ++key) {
            const std::vector<std::string>& fields = block.rows[single ? 0 : row];
            const std::size_t field = single ? 0 : key;
            pastedCells.changes.push_back({rows[row], keys[key], field < fields.size() ? fields[field] : std::string()});
        }
    }
    return pastedCells;
}

} // namespace defwright
