// Open, Find, Replace All, a page down and Save As on a 10 MiB script through
// the real code paths minus the dialogs, each beside its floor: a bare editor
// of the same kind, or plain stdio on the same bytes. Runs offscreen unless
// QT_QPA_PLATFORM says otherwise.
#include "script_file_bench.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace defwright {
namespace {

void registerBenchmarks(ScriptFileBench& bench)
{
    const auto add = [&bench](const char* name, void (ScriptFileBench::*run)(benchmark::State&)) {
        return benchmark::RegisterBenchmark(name, [&bench, run](benchmark::State& state) { (bench.*run)(state); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    add("BM_OpenScript", &ScriptFileBench::open);
    add("BM_OpenUtf8Script", &ScriptFileBench::openUtf8);
    add("BM_ConvertLineBreaks", &ScriptFileBench::convertLineBreaks)->Iterations(3);
    add("BM_BareSetTextFloor", &ScriptFileBench::bareSetText);
    add("BM_PlainTextEditSetText", &ScriptFileBench::plainSetText)->Iterations(2);
    add("BM_FindOnLastLine", &ScriptFileBench::findLastLine);
    add("BM_ReplaceAllKey", &ScriptFileBench::replaceAll)->Iterations(3);
    add("BM_ScrollLongScript", &ScriptFileBench::scrollPane);
    add("BM_ScrollBareFloor", &ScriptFileBench::scrollBare);
    add("BM_ReadScriptFile", &ScriptFileBench::readFile);
    add("BM_StdioReadFloor", &ScriptFileBench::stdioRead);
    add("BM_SaveScriptAs", &ScriptFileBench::saveAs);
    add("BM_WriteScriptFile", &ScriptFileBench::writeFile);
    add("BM_StdioWriteFloor", &ScriptFileBench::stdioWrite);
    benchmark::RegisterBenchmark("BM_CheckAndRememberFile",
                                 [&bench](benchmark::State& state) { bench.checkAndRemember(state); })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    defwright::ScriptFileBench bench;
    defwright::registerBenchmarks(bench);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
