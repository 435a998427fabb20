// The scripts folder index on a generated folder as large as a real server's:
// 772 files, 24 MiB, 50,952 sections.
#include "core/index/definition_list.h"
#include "core/index/folder_check.h"
#include "core/index/folder_indexing.h"
#include "core/index/reference_search.h"
#include "core/index/rename_plan.h"
#include "core/index/scripts_folder.h"
#include "generated_folder.h"
#include "resident_memory.h"

#include <benchmark/benchmark.h>

#include <fstream>

namespace defwright {
namespace {

const std::filesystem::path& generatedFolder()
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path made = std::filesystem::temp_directory_path() / "defwright-index-bench";
        std::filesystem::remove_all(made);
        bench::writeGeneratedFolder(made);
        return made;
    }();
    return folder;
}

using bench::residentBytes;

// What the finished index holds, the scripts' texts among them. It runs
// first, before other benchmarks leave freed memory for the index to reuse.
void BM_IndexMemory(benchmark::State& state)
{
    const std::filesystem::path& folder = generatedFolder();
    for (auto _ : state) {
        const double before = residentBytes();
        const FolderIndex index = indexFolder(folder);
        state.counters["index_MiB"] = (residentBytes() - before) / (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_IndexMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_IndexFolder(benchmark::State& state)
{
    const std::filesystem::path& folder = generatedFolder();
    std::size_t sections = 0;
    for (auto _ : state) {
        const FolderIndex index = indexFolder(folder);
        sections = index.sectionCount();
    }
    state.counters["sections"] = static_cast<double>(sections);
}
BENCHMARK(BM_IndexFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of indexing: what a plain program does to read every script of
// the folder and split it into lines, one file after the other.
void BM_ReadAndSplitFloor(benchmark::State& state)
{
    const std::vector<std::filesystem::path> files = listScriptFiles(generatedFolder());
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (const std::filesystem::path& file : files) {
            std::string text(static_cast<std::size_t>(std::filesystem::file_size(file)), '\0');
            std::ifstream(file, std::ios::binary).read(text.data(), static_cast<std::streamsize>(text.size()));
            std::vector<std::string_view> split;
            for (std::size_t start = 0, at = 0; at <= text.size(); ++at) {
                if (at < text.size() && text[at] != '\n' && text[at] != '\r')
                    continue;
                split.emplace_back(text.data() + start, at - start);
                at += at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n' ? 1 : 0;
                start = at + 1;
            }
            lines += split.size();
        }
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_ReadAndSplitFloor)->Unit(benchmark::kMillisecond)->UseRealTime();


void BM_ReindexOneFile(benchmark::State& state)
{
    FolderIndex index = indexFolder(generatedFolder());
    const std::filesystem::path file = generatedFolder() / "sub5" / "f385.scp";
    for (auto _ : state)
        index.setFile(file, summarizeFile(file));
    state.counters["sections"] = static_cast<double>(index.sectionCount());
}
BENCHMARK(BM_ReindexOneFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Lookup(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(index.lookup("I_GENERATED_25431").size());
}
BENCHMARK(BM_Lookup);

// One key typed into the list of definitions: the whole list filtered again.
void BM_FilterDefinitions(benchmark::State& state)
{
    DefinitionList list;
    list.addIndex(indexFolder(generatedFolder()));
    std::size_t found = 0;
    for (auto _ : state)
        found = list.matching("thing 2543 itemdef").size();
    state.counters["rows"] = static_cast<double>(list.size());
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_FilterDefinitions)->Unit(benchmark::kMillisecond);

// What Go to Definition by Name does before it shows: a row for every section.
void BM_BuildDefinitionList(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    for (auto _ : state) {
        DefinitionList list;
        list.addIndex(index);
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(BM_BuildDefinitionList)->Unit(benchmark::kMillisecond);

// Every place that names the item that 1,699 sections use, Shift+F12's search.
void BM_FindReferences(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    const NamePlace common = index.lookup(bench::kCommonName).front();
    std::size_t found = 0;
    for (auto _ : state)
        found = findReferences(index, common).size();
    state.counters["places"] = static_cast<double>(found);
}
BENCHMARK(BM_FindReferences)->Unit(benchmark::kMillisecond);

// The rename's plan of that name: every file that names it read anew from the
// texts the index keeps, as panes would give them.
void BM_PlanRename(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    const auto texts = [&index](const std::filesystem::path& file) -> std::optional<std::string> {
        for (const std::uint32_t number : index.files()) {
            if (index.filePath(number) == file)
                return *index.summary(number).text;
        }
        return std::nullopt;
    };
    std::size_t files = 0;
    for (auto _ : state)
        files = planRename(index, bench::kCommonName, "i_renamed_common", texts).files.size();
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_PlanRename)->Unit(benchmark::kMillisecond);

// The same on the sample scripts (14 files of a real collection, 466 KiB):
// the index, the check, every place of i_deed and its id (190) and its rename's plan.
void BM_SampleFolder(benchmark::State& state)
{
    const std::filesystem::path samples = DEFWRIGHT_SAMPLE_SCRIPTS;
    const auto step = state.range(0);
    FolderIndex index = indexFolder(samples);
    std::size_t count = 0;
    for (auto _ : state) {
        if (step == 0)
            count = (index = indexFolder(samples)).sectionCount();
        else if (step == 1)
            count = checkFolder(index).size();
        else if (step == 2)
            count = findReferences(index, index.lookup("i_deed").front()).size();
        else
            count = planRename(index, "i_deed", "i_deed_renamed", readScriptText).files.size();
    }
    state.counters["count"] = static_cast<double>(count);
}
BENCHMARK(BM_SampleFolder)->ArgName("index_check_references_rename")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_CheckFolder(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(checkFolder(index).size());
}
BENCHMARK(BM_CheckFolder)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright
