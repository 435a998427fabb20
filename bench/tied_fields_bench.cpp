// A field keystroke tied to a definition near the end of the 10 MiB script, and
// Ctrl+R there, offscreen:
//   QT_QPA_PLATFORM=offscreen ./build/bench/defwright_tied_bench
#include "generated_script.h"
#include "offscreen_bench_main.h"
#include "ui/items/item_fields_page.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace defwright {
namespace {

// The 10 MiB script in the item pane, the caret in its last definition but one.
ScriptPane* withLongScript(MainWindow& window)
{
    auto* pane = window.findChild<ScriptPane*>(QStringLiteral("txtEdit"));
    const std::string script = bench::generatedScript();
    pane->replacePaneText(script);
    const std::size_t last = script.rfind("[ITEMDEF");
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, script.rfind("[ITEMDEF", last - 1) + 5);
    QCoreApplication::processEvents();
    return pane;
}

void fieldsFromScript(const MainWindow& window)
{
    window.findChild<QAction*>(QStringLiteral("mnuFieldsFromScript"))->trigger();
}

// Tied to a definition near the end of the 10 MiB script, each keystroke in
// "NAME=" edits that definition's NAME line; the pane is then drawn (into an
// image, as its page is not in front).
void BM_TiedKeystrokeNearEndOfLongScript(benchmark::State& state)
{
    MainWindow window;
    window.show();
    ScriptPane* pane = withLongScript(window);
    fieldsFromScript(window);
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtBasic(0)"));
    name->end(false);
    QImage image(pane->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(name, typed ? Qt::Key_Backspace : Qt::Key_A);
        QCoreApplication::sendPostedEvents();
        pane->viewport()->render(&image);
        typed = !typed;
    }
}
BENCHMARK(BM_TiedKeystrokeNearEndOfLongScript)->Iterations(200)->Unit(benchmark::kMillisecond);

// Ctrl+R near the end of the 10 MiB script, to the fields filled; they are
// emptied between runs, so each fills all of them again.
void BM_FieldsFromScriptNearEndOfLongScript(benchmark::State& state)
{
    MainWindow window;
    window.show();
    ScriptPane* pane = withLongScript(window);
    const std::size_t caret = pane->caretPosition();
    auto* fields = window.findChild<ItemFieldsPage*>();
    for (auto _ : state) {
        state.PauseTiming();
        fields->showRecord({});
        pane->SendScintilla(ScriptPane::SCI_GOTOPOS, caret);
        state.ResumeTiming();
        fieldsFromScript(window);
    }
}
BENCHMARK(BM_FieldsFromScriptNearEndOfLongScript)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv);
}
