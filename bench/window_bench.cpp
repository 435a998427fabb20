// Keystroke-to-pane, typing in a 10 MiB script and window construction, offscreen:
//   QT_QPA_PLATFORM=offscreen ./build/bench/defwright_window_bench
#include "core/items/item_script.h"
#include "generated_script.h"
#include "offscreen_bench_main.h"
#include "shown_window.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <type_traits>

namespace defwright {
namespace {

constexpr int kKeystrokes = 1000;

// Types into "NAME=" and takes the letter back again, so every keystroke
// rebuilds a script of the same few lines, as typing a name does.
void BM_KeystrokeInName(benchmark::State& state)
{
    MainWindow window;
    window.show();
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtBasic(0)"));
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(name, typed ? Qt::Key_Backspace : Qt::Key_A);
        QCoreApplication::sendPostedEvents();
        typed = !typed;
    }
}
BENCHMARK(BM_KeystrokeInName)->Iterations(kKeystrokes)->Unit(benchmark::kMicrosecond);

// The floor: a bare editor of the same kind given the same two texts, with
// nothing else to do: no colours, no margins, no undo step.
void BM_SetTextFloor(benchmark::State& state)
{
    ItemRecord item;
    const QString empty = QString::fromStdString(itemScript(item));
    item.basic[0] = "a";
    const QString named = QString::fromStdString(itemScript(item));
    QsciScintilla editor;
    editor.setUtf8(true);
    editor.show();
    bool typed = false;
    for (auto _ : state) {
        editor.setText(typed ? empty : named);
        QCoreApplication::sendPostedEvents();
        typed = !typed;
    }
}
BENCHMARK(BM_SetTextFloor)->Iterations(kKeystrokes)->Unit(benchmark::kMicrosecond);

constexpr int kTypedKeys = 200;

// The item pane of a shown window holding the 10 MiB script, its caret at the
// end of a line near the start, in the middle or near the end of it
// (`at_percent` 0, 50 or 100), the lines around it drawn and coloured; with
// `inspector` 1, the definition inspector shown beside it, following each key.
class TypingBench {
public:
    TypingBench(long atPercent, bool inspected)
    {
        bench::showScriptPage(window_);
        const std::string script = bench::generatedScript();
        pane_->replacePaneText(script);
        const long lines = pane_->SendScintilla(ScriptPane::SCI_GETLINECOUNT);
        const long line = std::clamp(lines * atPercent / 100, 40L, lines - 40);
        pane_->setFocus();
        pane_->SendScintilla(ScriptPane::SCI_GOTOLINE, static_cast<unsigned long>(line));
        pane_->SendScintilla(ScriptPane::SCI_LINEEND);
        if (inspected) {
            window_.findChild<QAction*>(QStringLiteral("mnuDefinitionInspector"))->trigger();
            pane_->setFocus();
        }
        draw();
        length_ = length();
    }

    ScriptPane* pane() const { return pane_; }
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(pane_, static_cast<Qt::Key>(key), modifiers);
    }
    void typeWord() const { QTest::keyClicks(pane_, QStringLiteral("word")); }
    void selectCharacterBeforeCaret() const
    {
        const long caret = pane_->SendScintilla(ScriptPane::SCI_GETCURRENTPOS);
        pane_->SendScintilla(ScriptPane::SCI_SETSEL, static_cast<unsigned long>(caret - 1), caret);
    }
    void clickTrigger() const
    {
        window_.findChild<QAbstractButton*>(QStringLiteral("cmdtriggers(0)"))->click();
    }

    // The pane drawn again after a key, and what the key and the drawing left
    // for the event loop.
    void draw() const
    {
        pane_->repaint();
        QCoreApplication::sendPostedEvents();
    }

    long length() const { return pane_->SendScintilla(ScriptPane::SCI_GETLENGTH); }
    long lengthAtStart() const { return length_; }

private:
    MainWindow window_;
    ScriptPane* pane_ = window_.findChild<ScriptPane*>(QStringLiteral("txtEdit"));
    long length_ = 0;
};

// Times `act` and the drawing after it; `prepare`, when given, runs untimed
// before each.
template <typename Act, typename Prepare = std::nullptr_t>
void typeAndDraw(benchmark::State& state, Act act, Prepare prepare = nullptr)
{
    TypingBench bench(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        if constexpr (!std::is_same_v<Prepare, std::nullptr_t>) {
            state.PauseTiming();
            prepare(bench);
            bench.draw();
            state.ResumeTiming();
        }
        act(bench);
        bench.draw();
    }
    // What each key did, to see that it did what it says.
    state.counters["bytes_added"] = benchmark::Counter(double(bench.length() - bench.lengthAtStart()),
                                                       benchmark::Counter::kAvgIterations);
}

void atThreePlaces(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({"at_percent", "inspector"})->ArgsProduct({{0, 50, 100}, {0, 1}});
    benchmark->Iterations(kTypedKeys)->Unit(benchmark::kMillisecond);
}

void BM_TypeKey(benchmark::State& state)
{
    typeAndDraw(state, [](const TypingBench& bench) { bench.key(Qt::Key_A); });
}
BENCHMARK(BM_TypeKey)->Apply(atThreePlaces);

// The same while a screen reader runs: the pane tells it of each letter put in
// and of the caret's move, at character offsets.
void BM_TypeKeyWithScreenReader(benchmark::State& state)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    typeAndDraw(state, [](const TypingBench& bench) { bench.key(Qt::Key_A); });
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
}
BENCHMARK(BM_TypeKeyWithScreenReader)->Apply(atThreePlaces);

void BM_TypeKeyOverSelection(benchmark::State& state)
{
    typeAndDraw(
        state, [](const TypingBench& bench) { bench.key(Qt::Key_A); },
        [](const TypingBench& bench) { bench.selectCharacterBeforeCaret(); });
}
BENCHMARK(BM_TypeKeyOverSelection)->Apply(atThreePlaces);

void BM_TypeEnter(benchmark::State& state)
{
    typeAndDraw(state, [](const TypingBench& bench) { bench.key(Qt::Key_Return); });
}
BENCHMARK(BM_TypeEnter)->Apply(atThreePlaces);

void BM_TypeBackspace(benchmark::State& state)
{
    typeAndDraw(state, [](const TypingBench& bench) { bench.key(Qt::Key_Backspace); });
}
BENCHMARK(BM_TypeBackspace)->Apply(atThreePlaces);

void BM_TypeDelete(benchmark::State& state)
{
    typeAndDraw(state, [](const TypingBench& bench) { bench.key(Qt::Key_Delete); });
}
BENCHMARK(BM_TypeDelete)->Apply(atThreePlaces);

void BM_PasteLine(benchmark::State& state)
{
    QApplication::clipboard()->setText(QStringLiteral("NAME=pasted line\r\n"));
    typeAndDraw(state, [](const TypingBench& bench) { bench.key(Qt::Key_V, Qt::ControlModifier); });
}
BENCHMARK(BM_PasteLine)->Apply(atThreePlaces);

// A word typed and taken back again: the text must be as it was, or the undo
// took more than the word.
void BM_UndoTypedWord(benchmark::State& state)
{
    typeAndDraw(
        state,
        [&state](const TypingBench& bench) {
            bench.key(Qt::Key_Z, Qt::ControlModifier);
            if (bench.length() != bench.lengthAtStart())
                state.SkipWithError("undo took more than the typed word");
        },
        [](const TypingBench& bench) { bench.typeWord(); });
}
BENCHMARK(BM_UndoTypedWord)->Apply(atThreePlaces);

void BM_RedoTypedWord(benchmark::State& state)
{
    typeAndDraw(
        state, [](const TypingBench& bench) { bench.key(Qt::Key_Y, Qt::ControlModifier); },
        [](const TypingBench& bench) {
            bench.typeWord();
            bench.key(Qt::Key_Z, Qt::ControlModifier);
        });
}
BENCHMARK(BM_RedoTypedWord)->Apply(atThreePlaces);

void BM_TriggerButton(benchmark::State& state)
{
    typeAndDraw(state, [](const TypingBench& bench) { bench.clickTrigger(); });
}
BENCHMARK(BM_TriggerButton)->Apply(atThreePlaces);

void BM_WindowConstruction(benchmark::State& state)
{
    for (auto _ : state) {
        MainWindow window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_WindowConstruction)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv);
}
