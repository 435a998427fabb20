// The scripts folder index on a generated folder as large as a real server's:
// 772 files, 24 MiB, 50,952 sections.
#include "core/index/definition_list.h"
#include "core/index/folder_check.h"
#include "core/index/folder_indexing.h"
#include "generated_folder.h"
#include "resident_memory.h"

#include <benchmark/benchmark.h>

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

// What the index itself holds once the files' texts are gone.
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

void BM_CheckFolder(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    for (auto _ : state)
        benchmark::DoNotOptimize(checkFolder(index).size());
}
BENCHMARK(BM_CheckFolder)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright
