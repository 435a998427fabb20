// The definition inspector's reading and planning in the 10 MiB script, and
// the definitions table over a generated folder of 772 files and 37,056 item
// definitions:
//   ./build/bench/defwright_definitions_bench
#include "core/definitions/edit_list.h"
#include "core/definitions/row_edits.h"
#include "core/table/cell_changes.h"
#include "core/table/cell_order.h"
#include "core/table/table_csv.h"
#include "core/table/table_filter.h"
#include "core/table/table_import.h"
#include "generated_item_folder.h"
#include "generated_script.h"
#include "resident_memory.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace defwright {
namespace {

const std::vector<std::string>& folderTexts()
{
    static const std::vector<std::string> texts = bench::generatedItemFolder();
    return texts;
}

std::vector<TableFile> folderFiles()
{
    std::vector<TableFile> files;
    for (std::size_t file = 0; file < folderTexts().size(); ++file)
        files.push_back({"sub" + std::to_string(file % 10) + "/f" + std::to_string(file) + ".scp", folderTexts()[file]});
    return files;
}

DefinitionTable itemTable()
{
    return DefinitionTable({"ITEMDEF", "MULTIDEF"}, folderFiles());
}

std::vector<std::uint32_t> allRows(const DefinitionTable& table)
{
    std::vector<std::uint32_t> rows(table.rows().size());
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
}

void BM_ReadItemTable(benchmark::State& state)
{
    const std::vector<TableFile> files = folderFiles();
    std::size_t rows = 0;
    for (auto _ : state)
        rows = DefinitionTable({"ITEMDEF", "MULTIDEF"}, files).rows().size();
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["MiB"] = static_cast<double>(std::accumulate(folderTexts().begin(), folderTexts().end(), std::size_t{0},
                                                                [](std::size_t sum, const std::string& text) { return sum + text.size(); }))
        / (1024.0 * 1024.0);
}
BENCHMARK(BM_ReadItemTable)->Unit(benchmark::kMillisecond);

// What the table holds once read, beside the texts it was read from.
void BM_ItemTableMemory(benchmark::State& state)
{
    folderTexts();
    const std::vector<TableFile> files = folderFiles();
    for (auto _ : state) {
        const double before = bench::residentBytes();
        const DefinitionTable table({"ITEMDEF", "MULTIDEF"}, files);
        state.counters["table_MiB"] = (bench::residentBytes() - before) / (1024.0 * 1024.0);
        benchmark::DoNotOptimize(table.rows().size());
    }
}
BENCHMARK(BM_ItemTableMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// A click on a column's caption: numbers (VALUE) and text (NAME).
void BM_SortColumn(benchmark::State& state)
{
    const DefinitionTable table = itemTable();
    const TableColumn column{ColumnKind::Key, *table.keyNumber(state.range(0) == 0 ? "VALUE" : "NAME")};
    const std::vector<std::uint32_t> rows = allRows(table);
    bool descending = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sortedRows(table, rows, column, descending).front());
        descending = !descending;
    }
}
BENCHMARK(BM_SortColumn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A keystroke in the filter box: the whole table filtered again by what it then says.
void BM_FilterKeystroke(benchmark::State& state)
{
    const DefinitionTable table = itemTable();
    const std::vector<TableColumn> shown = defaultColumns(table, 12);
    const std::vector<std::uint32_t> rows = allRows(table);
    std::size_t found = 0;
    for (auto _ : state)
        found = filteredRows(table, rows, parseFilter("thing 25 value>100 weight<20"), shown).size();
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond);

// One value typed into 1,000 selected cells across 50 files: the edits
// planned, applied to the texts, and those files read into the table again.
void BM_SetThousandCellsInFiftyFiles(benchmark::State& state)
{
    DefinitionTable table = itemTable();
    std::vector<std::string_view> texts(folderTexts().begin(), folderTexts().end());
    std::vector<CellChange> changes;
    for (std::uint32_t cell = 0; cell < 1000; ++cell) // 20 rows in each of 50 files
        changes.push_back({cell / 20 * static_cast<std::uint32_t>(bench::kItemsPerFile) + cell % 20 * 2, "WEIGHT", "7"});
    std::size_t files = 0;
    for (auto _ : state) {
        const CellPlan plan = planCellChanges(table, texts, changes);
        for (const TableFileEdits& file : plan.files) {
            const std::string edited = applyEdits(texts[file.file], file.edits);
            table.readFileAgain(file.file, edited);
            table.readFileAgain(file.file, texts[file.file]); // back, for the next run
        }
        files = plan.files.size();
    }
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_SetThousandCellsInFiftyFiles)->Unit(benchmark::kMillisecond);

void BM_ExportItemTable(benchmark::State& state)
{
    const DefinitionTable table = itemTable();
    const std::vector<std::uint32_t> rows = allRows(table);
    std::vector<std::uint32_t> keys(table.keyCount());
    std::iota(keys.begin(), keys.end(), 0u);
    for (auto _ : state)
        benchmark::DoNotOptimize(tableCsv(table, rows, keys).size());
}
BENCHMARK(BM_ExportItemTable)->Unit(benchmark::kMillisecond);

// The exported table read back and compared cell by cell: nothing to change.
void BM_ImportUnchangedItemTable(benchmark::State& state)
{
    const DefinitionTable table = itemTable();
    std::vector<std::uint32_t> keys(table.keyCount());
    std::iota(keys.begin(), keys.end(), 0u);
    const std::string csv = tableCsv(table, allRows(table), keys);
    std::size_t changes = 0;
    for (auto _ : state)
        changes = planImport(table, readCsv(csv), [](std::string_view) { return true; }).changes.size();
    state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_ImportUnchangedItemTable)->Unit(benchmark::kMillisecond);

// The inspector filled for a caret 100 bytes before the end of the 10 MiB script.
void BM_ReadInspectorNearEndOfLongScript(benchmark::State& state)
{
    const std::string script = bench::generatedScript();
    for (auto _ : state)
        benchmark::DoNotOptimize(readDefinitionRows(script, script.size() - 100)->body.size());
}
BENCHMARK(BM_ReadInspectorNearEndOfLongScript)->Unit(benchmark::kMicrosecond);

// A value typed into a row of that definition: read again and the edit planned.
void BM_PlanRowEditNearEndOfLongScript(benchmark::State& state)
{
    const std::string script = bench::generatedScript();
    const std::size_t header = readDefinitionRows(script, script.size() - 100)->header.start();
    for (auto _ : state) {
        const std::optional<DefinitionRows> rows = readDefinitionRowsAtHeader(script, header);
        benchmark::DoNotOptimize(planValueChange(script, rows->body.front(), "Shield of the dawn"));
    }
}
BENCHMARK(BM_PlanRowEditNearEndOfLongScript)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace defwright

BENCHMARK_MAIN();
