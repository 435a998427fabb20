#include "core/table/table_csv.h"

#include "core/table/csv_writer.h"

#include <vector>

namespace defwright {

std::string tableCsv(const DefinitionTable& table, std::span<const std::uint32_t> rows,
                     std::span<const std::uint32_t> keys)
{
    std::string csv = "\xEF\xBB\xBF";
    std::vector<std::string_view> fields(kCsvFirstColumns.begin(), kCsvFirstColumns.end());
    for (const std::uint32_t key : keys)
        fields.push_back(table.keyName(key));
    appendCsvRow(csv, fields);
    for (const std::uint32_t number : rows) {
        const TableRow& row = table.row(number);
        fields = {row.name, table.filePath(row.file)};
        for (const std::uint32_t key : keys)
            fields.push_back(table.value(row, key));
        appendCsvRow(csv, fields);
    }
    return csv;
}

} // namespace defwright
