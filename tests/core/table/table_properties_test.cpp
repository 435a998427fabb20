#include "core/definitions/definition_rows.h"
#include "core/definitions/edit_list.h"
#include "core/files/line_breaks.h"
#include "core/index/scripts_folder.h"
#include "core/script/ascii_case.h"
#include "core/table/cell_planner.h"
#include "core/table/table_csv.h"
#include "core/table/table_import.h"

#include "../definitions/random_definitions.h"
#include "../script/script_lines.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace defwright {
namespace {

using test::RandomScripts;

std::vector<std::uint32_t> numbers(std::size_t count)
{
    std::vector<std::uint32_t> all(count);
    std::iota(all.begin(), all.end(), 0u);
    return all;
}

// Each row's cells by key name.
std::vector<std::map<std::string, std::string>> cellsOf(const DefinitionTable& table)
{
    std::vector<std::map<std::string, std::string>> rows;
    for (const TableRow& row : table.rows()) {
        rows.emplace_back();
        for (const TableCell& cell : row.cells)
            rows.back()[table.keyName(cell.key)] = cell.value;
    }
    return rows;
}

std::string joined(const std::vector<std::string_view>& values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i)
        text.append(i == 0 ? "" : "\n").append(values[i]);
    return text;
}

// The file's lines but the body lines of the keys whose cells changed.
std::vector<std::string> untouchedLines(const DefinitionTable& table, std::uint32_t file, std::string_view text,
                                        const std::vector<CellChange>& changes)
{
    std::set<std::size_t> changed;
    for (const CellChange& change : changes) {
        const TableRow& row = table.row(change.row);
        if (row.file != file)
            continue;
        for (const ScriptLine& line : bodyLines(text, scriptLineAt(text, row.headerStart))) {
            if (line.kind == LineKind::Keyed && equalsIgnoringCase(line.key.of(text), change.key))
                changed.insert(line.start());
        }
    }
    std::vector<std::string> lines;
    for (const ScriptLine& line : test::linesOf(text))
        if (!changed.contains(line.start()))
            lines.emplace_back(line.text.of(text));
    return lines;
}

std::vector<CellChange> randomChanges(RandomScripts& random, const DefinitionTable& table)
{
    std::vector<CellChange> changes;
    std::set<std::pair<std::uint32_t, std::string>> set;
    for (std::size_t count = 1 + random.below(8); count > 0; --count) {
        const auto row = static_cast<std::uint32_t>(random.below(table.rows().size()));
        std::string key = table.keyCount() > 0 && random.chance(0.7)
            ? table.keyName(static_cast<std::uint32_t>(random.below(table.keyCount())))
            : random.pick(std::vector<std::string>{"NEWKEY", "TAG.NEW", "WEIGHT"});
        std::string value = random.value();
        for (std::size_t more = random.chance(0.2) ? random.below(3) : 0; more > 0; --more)
            value += random.pick(std::vector<std::string>{"\n", "\r\n"}) + random.value();
        if (set.emplace(row, key).second)
            changes.push_back({row, std::move(key), std::move(value)});
    }
    return changes;
}

std::vector<TableFile> filesOf(const std::vector<std::string>& texts)
{
    std::vector<TableFile> files;
    for (std::size_t file = 0; file < texts.size(); ++file)
        files.push_back({"f" + std::to_string(file) + ".scp", texts[file]});
    return files;
}

// The table's cells once the changes are made: each changed cell's values,
// the empty ones left out; no cell for a key left without any.
std::vector<std::map<std::string, std::string>> expectedCells(const DefinitionTable& table,
                                                              const std::vector<CellChange>& changes)
{
    std::vector<std::map<std::string, std::string>> expected = cellsOf(table);
    for (const CellChange& change : changes) {
        const std::vector<std::string_view> values = cellValues(change.value);
        if (values.empty())
            expected[change.row].erase(change.key);
        else
            expected[change.row][change.key] = joined(values);
    }
    return expected;
}

void expectChangesReadBack(RandomScripts& random, const std::vector<std::string>& texts,
                           const std::vector<std::string>& kind)
{
    const DefinitionTable before(kind, filesOf(texts));
    if (before.rows().empty())
        return;
    const std::vector<CellChange> changes = randomChanges(random, before);
    const CellPlan plan = planCellChanges(before, std::vector<std::string_view>(texts.begin(), texts.end()), changes);
    ASSERT_TRUE(plan.refused.empty());
    std::vector<std::string> edited = texts;
    for (const TableFileEdits& file : plan.files) {
        edited[file.file] = applyEdits(texts[file.file], file.edits);
        ASSERT_EQ(applyEdits(edited[file.file], inverseEdits(texts[file.file], file.edits)), texts[file.file]);
    }
    const DefinitionTable after(kind, filesOf(edited));
    ASSERT_EQ(after.rows().size(), before.rows().size());
    ASSERT_EQ(cellsOf(after), expectedCells(before, changes));
    for (const TableFileEdits& file : plan.files)
        ASSERT_EQ(untouchedLines(after, file.file, edited[file.file], changes),
                  untouchedLines(before, file.file, texts[file.file], changes));
    const std::string csv = tableCsv(after, numbers(after.rows().size()), numbers(after.keyCount()));
    ASSERT_TRUE(planImport(after, readCsv(csv), [](std::string_view) { return false; }).changes.empty());
}

// A folder of random files, a table of one kind, random cells set: the
// changed cells read as set, every other cell of every row and every other
// line of the files as before; each file's edits undo to its bytes; and the
// new table, exported and imported again, plans nothing.
TEST(TableProperties, RandomCellChangesChangeTheirCellsAloneAndUndo)
{
    RandomScripts random(3301);
    for (int run = 0; run < 1'500; ++run) {
        std::vector<std::string> texts;
        for (std::size_t count = 1 + random.below(4); count > 0; --count)
            texts.push_back(test::randomDefinitions(random, random.pick(std::vector<std::string>{"\r\n", "\n", ""})).text);
        const std::vector<std::string> kind = random.chance(0.5) ? std::vector<std::string>{"ITEMDEF", "MULTIDEF"}
                                                                  : std::vector<std::string>{"chardef"};
        ASSERT_NO_FATAL_FAILURE(expectChangesReadBack(random, texts, kind));
    }
}

// The sample scripts as they are, with other breaks and without the last
// one: for each kind they hold, the table exported and imported plans nothing.
TEST(TableProperties, TheSampleScriptsTableRoundTripsThroughCsv)
{
    std::vector<std::string> texts;
    for (const std::filesystem::path& file : listScriptFiles(DEFWRIGHT_SAMPLE_SCRIPTS)) {
        const std::string text = readScriptText(file).value();
        for (const LineBreak lineBreak : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr})
            texts.push_back(withLineBreaks(text, lineBreak));
        texts.push_back(text.substr(0, text.find_last_not_of("\r\n") + 1));
    }
    const std::vector<TableFile> files = filesOf(texts);
    for (const std::string_view kind : {"ITEMDEF", "CHARDEF", "TYPEDEF", "TEMPLATE"}) {
        const DefinitionTable table({std::string(kind)}, files);
        EXPECT_GE(table.rows().size(), 4u * 3) << kind;
        const std::string csv = tableCsv(table, numbers(table.rows().size()), numbers(table.keyCount()));
        const ImportPlan plan = planImport(table, readCsv(csv), [](std::string_view) { return false; });
        EXPECT_TRUE(plan.changes.empty()) << kind;
        EXPECT_TRUE(plan.refusedColumns.empty()) << kind;
        EXPECT_LT(plan.skipped.size(), table.rows().size() / 10) << kind;
    }
}

} // namespace
} // namespace defwright
