// The checker in the window: the document in front checked whole, and the
// sections a typed key touched, with their marks made, offscreen:
//   QT_QPA_PLATFORM=offscreen ./build/bench/defwright_language_window_bench
#include "generated_script.h"
#include "offscreen_bench_main.h"
#include "shown_window.h"
#include "ui/language/pane_problems.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

namespace defwright {
namespace {

constexpr std::string_view kHeader = "[COMMENT bench]\r\n";

// The item pane of a shown window holding `script`, and its checker.
class CheckBench {
public:
    explicit CheckBench(const std::string& script)
    {
        bench::showScriptPage(window_);
        for (PaneProblems* problems : window_.findChildren<PaneProblems*>()) {
            if (problems->pane() == pane_)
                problems_ = problems;
        }
        pane_->replacePaneText(script);
        checked();
    }

    [[nodiscard]] ScriptPane* pane() const { return pane_; }

    // Checks what the edits asked for and waits for the worker, if one checks.
    void checked() const
    {
        QSignalSpy found(problems_, &PaneProblems::problemsChanged);
        problems_->checkNow();
        if (found.isEmpty() && !found.wait(120000))
            qFatal("no check ended");
    }

private:
    MainWindow window_;
    ScriptPane* pane_ = window_.findChild<ScriptPane*>(QStringLiteral("txtEdit"));
    PaneProblems* problems_ = nullptr;
};

std::string sampleScript(const char* file)
{
    QFile sample(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/") + QString::fromLatin1(file));
    if (!sample.open(QIODevice::ReadOnly))
        qFatal("no sample %s", file);
    return sample.readAll().toStdString();
}

// A header put in at the top or taken out again: the whole text is checked
// and marked anew, on a worker past 256 KiB.
void checkWhole(benchmark::State& state, const std::string& script)
{
    const CheckBench bench(script);
    bool added = false;
    for (auto _ : state) {
        bench.pane()->replaceRange(0, added ? kHeader.size() : 0, added ? "" : kHeader);
        bench.checked();
        added = !added;
    }
    state.counters["bytes"] = double(script.size());
}

void BM_CheckWholeGeneratedScript(benchmark::State& state)
{
    checkWhole(state, bench::generatedScript());
}
BENCHMARK(BM_CheckWholeGeneratedScript)->Iterations(6)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckWholeSampleScript(benchmark::State& state)
{
    checkWhole(state, sampleScript("items/i_building_walls.scp"));
}
BENCHMARK(BM_CheckWholeSampleScript)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

// A key typed at the end of a NAME= line in the middle of the 10 MiB script,
// then the pause's check of the sections around it.
void BM_CheckSectionAfterKey(benchmark::State& state)
{
    const CheckBench bench(bench::generatedScript());
    ScriptPane* pane = bench.pane();
    pane->setFocus();
    int line = pane->lines() / 2;
    while (!pane->text(line).startsWith(QStringLiteral("NAME=")))
        ++line;
    pane->SendScintilla(ScriptPane::SCI_GOTOLINE, static_cast<unsigned long>(line));
    pane->SendScintilla(ScriptPane::SCI_LINEEND);
    bool typed = false;
    for (auto _ : state) {
        state.PauseTiming();
        QTest::keyClick(pane, typed ? Qt::Key_Backspace : Qt::Key_A);
        typed = !typed;
        state.ResumeTiming();
        bench.checked();
    }
}
BENCHMARK(BM_CheckSectionAfterKey)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv);
}
