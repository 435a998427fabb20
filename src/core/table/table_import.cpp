#include "core/table/table_import.h"

#include "core/definitions/definition_rows.h"
#include "core/index/definition_name.h"
#include "core/language/definition_keys.h"
#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"
#include "core/table/cell_planner.h"
#include "core/table/table_csv.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace defwright {
namespace {

std::string placeKey(std::string_view name, std::string_view file)
{
    std::string key = nameKey(trimBlanks(name)) + '\n' + std::string(trimBlanks(file));
    std::replace(key.begin(), key.end(), '\\', '/');
    return key;
}

std::string normalized(std::string_view value)
{
    const std::vector<std::string_view> values = cellValues(value);
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text.append(i == 0 ? "" : std::string_view(&kValueSeparator, 1)).append(values[i]);
    return text;
}

bool headerFits(const std::vector<std::string>& header)
{
    return header.size() >= kCsvFirstColumns.size() && equalsIgnoringCase(trimBlanks(header[0]), kCsvFirstColumns[0])
        && equalsIgnoringCase(trimBlanks(header[1]), kCsvFirstColumns[1]);
}

// The key of each column that can change cells (empty for the others).
std::vector<std::string> columnKeys(const DefinitionTable& table, const std::vector<std::string>& header,
                                    const std::function<bool(std::string_view)>& acceptsKey, ImportPlan& plan)
{
    std::vector<std::string> keys(header.size());
    std::unordered_set<std::string> seen;
    for (std::size_t column = kCsvFirstColumns.size(); column < header.size(); ++column) {
        std::string key(trimBlanks(header[column]));
        std::transform(key.begin(), key.end(), key.begin(), asciiUpper);
        if (key.empty())
            plan.refusedColumns.push_back({column, key, ColumnRefusal::Unnamed});
        else if (!seen.insert(key).second)
            plan.refusedColumns.push_back({column, key, ColumnRefusal::Repeated});
        else if (!acceptsKey(key) && !table.keyNumber(key) && !isTagKey(key))
            plan.refusedColumns.push_back({column, key, ColumnRefusal::NotAccepted});
        else
            keys[column] = std::move(key);
    }
    return keys;
}

void addChanges(const DefinitionTable& table, std::uint32_t row, const std::vector<std::string>& fields,
                const std::vector<std::string>& keys, std::size_t line, ImportPlan& plan)
{
    for (std::size_t column = kCsvFirstColumns.size(); column < std::min(fields.size(), keys.size()); ++column) {
        if (keys[column].empty())
            continue;
        std::string before(table.value(table.row(row), keys[column]));
        std::string after = normalized(fields[column]);
        if (normalized(before) != after)
            plan.changes.push_back({row, keys[column], std::move(before), std::move(after), line});
    }
}

} // namespace

ImportPlan planImport(const DefinitionTable& table, const CsvText& csv,
                      const std::function<bool(std::string_view)>& acceptsKey)
{
    ImportPlan plan;
    plan.problem = csv.problem;
    plan.headerMissing = !csv.problem && (csv.rows.empty() || !headerFits(csv.rows.front()));
    if (plan.problem || plan.headerMissing)
        return plan;
    const std::vector<std::string> keys = columnKeys(table, csv.rows.front(), acceptsKey, plan);
    std::unordered_map<std::string, std::vector<std::uint32_t>> places;
    for (std::uint32_t row = 0; row < table.rows().size(); ++row)
        places[placeKey(table.row(row).name, table.filePath(table.row(row).file))].push_back(row);
    std::unordered_set<std::uint32_t> given;
    for (std::size_t i = 1; i < csv.rows.size(); ++i) {
        const std::vector<std::string>& fields = csv.rows[i];
        const std::string file = fields.size() > 1 ? fields[1] : std::string();
        const auto found = places.find(placeKey(fields[0], file));
        const std::size_t count = found == places.end() ? 0 : found->second.size();
        if (count != 1 || !given.insert(found->second.front()).second) {
            const SkipReason reason = count == 0 ? SkipReason::Gone : count > 1 ? SkipReason::Ambiguous : SkipReason::Repeated;
            plan.skipped.push_back({csv.lines[i], fields[0], file, reason});
            continue;
        }
        addChanges(table, found->second.front(), fields, keys, csv.lines[i], plan);
    }
    return plan;
}

std::vector<CellChange> importedChanges(const ImportPlan& plan, const std::vector<bool>& ticked)
{
    std::vector<CellChange> changes;
    for (std::size_t i = 0; i < plan.changes.size(); ++i) {
        if (ticked.empty() || (i < ticked.size() && ticked[i]))
            changes.push_back({plan.changes[i].row, plan.changes[i].key, plan.changes[i].after});
    }
    return changes;
}

} // namespace defwright
