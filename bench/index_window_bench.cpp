// The window's thread while the scripts folder is indexed: a timer on that
// thread ticks every millisecond, and the longest gap between two ticks is
// the longest the window went without handling its events. Runs offscreen
// unless QT_QPA_PLATFORM says otherwise.
#include "generated_folder.h"
#include "ui/index/scripts_index.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace defwright {
namespace {

const std::filesystem::path& generatedFolder()
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path made = std::filesystem::temp_directory_path() / "defwright-index-window-bench";
        std::filesystem::remove_all(made);
        bench::writeGeneratedFolder(made);
        return made;
    }();
    return folder;
}

void BM_IndexWhileTheWindowTicks(benchmark::State& state)
{
    const QString folder = QString::fromStdString(generatedFolder().string());
    double longestStall = 0;
    double progressReports = 0;
    for (auto _ : state) {
        ScriptsIndex index;
        QEventLoop loop;
        QElapsedTimer sinceTick;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestStall = std::max(longestStall, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        QObject::connect(&index, &ScriptsIndex::progressed, [&] { ++progressReports; });
        QObject::connect(&index, &ScriptsIndex::built, &loop, &QEventLoop::quit);
        sinceTick.start();
        ticker.start();
        index.setFolder(folder);
        loop.exec();
        benchmark::DoNotOptimize(index.index().sectionCount());
    }
    state.counters["longest_stall_ms"] = longestStall;
    state.counters["progress_reports"] = benchmark::Counter(progressReports, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_IndexWhileTheWindowTicks)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
} // namespace defwright

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
