#include "core/table/cell_changes.h"

#include "core/definitions/definition_rows.h"
#include "core/definitions/edit_list.h"
#include "core/files/line_breaks.h"
#include "core/files/script_format.h"
#include "core/script/ascii_case.h"
#include "core/table/cell_planner.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace defwright {
namespace {

// The row's definition as the table read it, or none when its header is gone or another one.
std::optional<ScriptLine> headerOf(const DefinitionTable& table, const TableRow& row, std::string_view text)
{
    const std::optional<DefinitionRows> read = readDefinitionRowsAtHeader(text, row.headerStart);
    if (!read || read->words.name.of(text) != row.name)
        return std::nullopt;
    const std::string_view kind = read->words.kind.of(text);
    const auto sections = table.sections();
    if (std::none_of(sections.begin(), sections.end(), [kind](const std::string& s) { return equalsIgnoringCase(s, kind); }))
        return std::nullopt;
    return read->header;
}

// The changes of each row, the last of any cell set more than once; the others refused, and so
// are changes of a row the table lacks or whose file has no text.
std::map<std::uint32_t, std::vector<std::size_t>> byRow(const DefinitionTable& table, std::size_t texts,
                                                        std::span<const CellChange> changes,
                                                        std::vector<RefusedChange>& refused)
{
    std::map<std::uint32_t, std::vector<std::size_t>> rows;
    std::set<std::pair<std::uint32_t, std::string>> seen;
    for (std::size_t change = changes.size(); change-- > 0;) {
        if (!seen.emplace(changes[change].row, upperCase(changes[change].key)).second)
            refused.push_back({change, CellRefusal::SetAgain});
        else if (changes[change].row < table.rows().size() && table.row(changes[change].row).file < texts)
            rows[changes[change].row].insert(rows[changes[change].row].begin(), change);
        else
            refused.push_back({change, CellRefusal::DefinitionChanged});
    }
    return rows;
}

void refuseAll(std::span<const std::size_t> changes, CellRefusal reason, std::vector<RefusedChange>& refused)
{
    for (const std::size_t change : changes)
        refused.push_back({change, reason});
}

} // namespace

CellPlan planCellChanges(const DefinitionTable& table, std::span<const std::string_view> texts,
                         std::span<const CellChange> changes)
{
    CellPlan plan;
    const auto rows = byRow(table, texts.size(), changes, plan.refused);
    // Rows are numbered file by file, so each file's rows come one after the other.
    for (auto row = rows.begin(); row != rows.end();) {
        const std::uint32_t file = table.row(row->first).file;
        const std::string_view text = texts[file];
        const std::string lineBreak(lineBreakText(detectFormat(text).lineBreak));
        std::vector<TextEdit> edits;
        std::vector<std::size_t> planned;
        for (; row != rows.end() && table.row(row->first).file == file; ++row) {
            const std::optional<ScriptLine> header = headerOf(table, table.row(row->first), text);
            if (!header) {
                refuseAll(row->second, CellRefusal::DefinitionChanged, plan.refused);
                continue;
            }
            CellPlanner planner(text, *header, lineBreak);
            for (const std::size_t change : row->second) {
                if (planner.plan(changes[change].key, changes[change].value))
                    planned.push_back(change);
                else
                    plan.refused.push_back({change, CellRefusal::Unwritable});
            }
            const std::vector<TextEdit> own = planner.edits();
            edits.insert(edits.end(), own.begin(), own.end());
        }
        std::optional<std::vector<TextEdit>> joined = joinedEdits(std::move(edits));
        if (!joined)
            refuseAll(planned, CellRefusal::Overlapping, plan.refused);
        else if (!joined->empty())
            plan.files.push_back({file, std::move(*joined)});
    }
    std::sort(plan.refused.begin(), plan.refused.end(),
              [](const RefusedChange& a, const RefusedChange& b) { return a.change < b.change; });
    return plan;
}

} // namespace defwright
