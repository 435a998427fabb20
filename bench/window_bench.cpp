// Keystroke-to-pane and window construction, offscreen:
//   QT_QPA_PLATFORM=offscreen ./build/bench/defwright_window_bench
#include "core/items/item_script.h"
#include "generated_script.h"
#include "ui/items/item_fields_page.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows read the recent files; never the user's own list.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
