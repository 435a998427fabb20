#include "core/table/table_column.h"

namespace defwright {

std::string_view columnCaption(const DefinitionTable& table, const TableColumn& column)
{
    if (column.kind == ColumnKind::Key)
        return table.keyName(column.key);
    return kColumnCaptions[static_cast<std::size_t>(column.kind)];
}

std::string columnText(const DefinitionTable& table, const TableRow& row, const TableColumn& column)
{
    switch (column.kind) {
    case ColumnKind::Definition:
        return row.name;
    case ColumnKind::File:
        return table.filePath(row.file);
    case ColumnKind::Line:
        return std::to_string(row.line + 1);
    case ColumnKind::Key:
        break;
    }
    return std::string(table.value(row, column.key));
}

std::vector<TableColumn> defaultColumns(const DefinitionTable& table, std::size_t keys)
{
    std::vector<TableColumn> columns = {{ColumnKind::Definition, 0}};
    if (const std::optional<std::uint32_t> defname = table.keyNumber(kDefnameKey); defname && table.keyUse(*defname) > 0)
        columns.push_back({ColumnKind::Key, *defname});
    columns.push_back({ColumnKind::File, 0});
    columns.push_back({ColumnKind::Line, 0});
    for (const std::uint32_t key : table.defaultKeys(keys))
        columns.push_back({ColumnKind::Key, key});
    return columns;
}

} // namespace defwright
