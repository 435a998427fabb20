// The window's share of Find All References and Rename on a generated folder
// of a real server's size (772 files, 24 MiB), offscreen: the list of places
// shown, the rename planned from the files on disk as F2 reads them, and the
// rename applied across N files through the folder edits.
//   ./build/bench/defwright_folder_window_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
#include "core/index/folder_indexing.h"
#include "core/index/reference_search.h"
#include "core/index/rename_plan.h"
#include "core/index/scripts_folder.h"
#include "generated_folder.h"
#include "offscreen_bench_main.h"
#include "ui/documents/folder_edits.h"
#include "ui/documents/front_document.h"
#include "ui/folder/references_window.h"
#include "ui/index/index_paths.h"
#include "ui/shell/main_window.h"

#include <map>

namespace defwright {
namespace {

constexpr std::string_view kNewName = "i_renamed_common";

const std::filesystem::path& generatedFolder()
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path made = std::filesystem::temp_directory_path() / "defwright-folder-window-bench";
        std::filesystem::remove_all(made);
        bench::writeGeneratedFolder(made);
        return made;
    }();
    return folder;
}

// The 1,704 places of the common name put in their window's list, laid out and drawn.
void BM_ShowReferences(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    const std::vector<ReferenceHit> hits = findReferences(index, index.lookup(bench::kCommonName).front());
    const QString folder = toQString(generatedFolder());
    ReferencesWindow window(nullptr);
    for (auto _ : state) {
        window.showReferences(QStringLiteral("i_generated_common"), hits, folder);
        window.repaint();
    }
    state.counters["places"] = static_cast<double>(hits.size());
}
BENCHMARK(BM_ShowReferences)->Unit(benchmark::kMillisecond)->UseRealTime();

// The plan of the rename as F2 makes it: every file that names the name read
// anew from disk in its own format, each change with its line before and after.
void BM_PlanRenameFromDisk(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    std::size_t files = 0;
    for (auto _ : state)
        files = planRename(index, bench::kCommonName, kNewName, readScriptText).files.size();
    state.counters["files"] = static_cast<double>(files);
}
BENCHMARK(BM_PlanRenameFromDisk)->Unit(benchmark::kMillisecond)->UseRealTime();

// The rename applied to the first N files of its plan, none open: each read and
// checked against the text planned on, written whole beside itself, and all
// put in place. It is undone after each run, untimed.
void BM_ApplyRename(benchmark::State& state)
{
    const FolderIndex index = indexFolder(generatedFolder());
    std::map<std::filesystem::path, std::shared_ptr<const std::string>> texts;
    const RenamePlan plan = planRename(index, bench::kCommonName, kNewName, [&texts](const std::filesystem::path& file) {
        std::optional<std::string> text = readScriptText(file);
        if (text)
            texts[file] = std::make_shared<const std::string>(*text);
        return text;
    });
    std::vector<FileEdits> files;
    std::size_t places = 0;
    for (std::size_t i = 0; i < plan.files.size() && files.size() < static_cast<std::size_t>(state.range(0)); ++i) {
        const RenameFile& file = plan.files[i];
        files.push_back({toQString(file.file), chosenEdits(file, std::vector<bool>(file.changes.size(), true)),
                         texts.at(file.file)});
        places += file.changes.size();
    }
    MainWindow window;
    FolderEdits edits(window.findChild<FrontDocument*>(), nullptr);
    for (auto _ : state) {
        const FolderEditOutcome outcome = edits.apply(files);
        state.PauseTiming();
        if (!outcome.error.isEmpty() || !edits.apply(outcome.undo).error.isEmpty())
            state.SkipWithError(outcome.error.toStdString().c_str());
        state.ResumeTiming();
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["places"] = static_cast<double>(places);
}
BENCHMARK(BM_ApplyRename)->Arg(10)->Arg(100)->Arg(772)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv);
}
