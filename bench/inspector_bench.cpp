// The definition inspector beside the 10 MiB script, offscreen:
//   QT_QPA_PLATFORM=offscreen ./build/bench/defwright_inspector_bench
#include "generated_script.h"
#include "offscreen_bench_main.h"
#include "shown_window.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace defwright {
namespace {

constexpr int kMoves = 200;

// The item pane of a shown window holding the 10 MiB script, and the
// inspector shown beside it; the two last definitions of the script are the
// ones the caret goes between.
class InspectorBench {
public:
    InspectorBench()
    {
        bench::showScriptPage(window_);
        const std::string script = bench::generatedScript();
        pane_->replacePaneText(script);
        const std::size_t last = script.rfind("\n[");
        headers_ = {line(script.rfind("\n[", last - 1) + 1), line(last + 1)};
        pane_->setCursorPosition(headers_[0] + 1, 0);
        window_.findChild<QAction*>(QStringLiteral("mnuDefinitionInspector"))->trigger();
        pane_->setFocus();
        draw();
    }

    // The caret on the second line of one of the two definitions.
    void moveTo(int definition) const { pane_->setCursorPosition(headers_.at(definition) + 1, 0); }
    QTableView* rows() const { return rows_; }

    // What the caret's move or the edit left for the event loop (the inspector
    // follows the pane there), and the pane and the rows drawn again.
    void draw() const
    {
        QCoreApplication::sendPostedEvents();
        pane_->repaint();
        rows_->viewport()->repaint();
    }

    long length() const { return pane_->SendScintilla(ScriptPane::SCI_GETLENGTH); }

private:
    int line(std::size_t position) const
    {
        return static_cast<int>(pane_->SendScintilla(ScriptPane::SCI_LINEFROMPOSITION, position));
    }

    MainWindow window_;
    ScriptPane* pane_ = window_.findChild<ScriptPane*>(QStringLiteral("txtEdit"));
    QTableView* rows_ = window_.findChild<QTableView*>(QStringLiteral("tblInspector"));
    std::array<int, 2> headers_{};
};

// The caret goes from one definition to the other near the end of the
// script, and the inspector shows the rows of the one it is in.
void BM_InspectorFollowsCaret(benchmark::State& state)
{
    InspectorBench bench;
    int definition = 0;
    for (auto _ : state) {
        definition = 1 - definition;
        bench.moveTo(definition);
        bench.draw();
    }
    state.counters["rows"] = bench.rows()->model()->rowCount();
}
BENCHMARK(BM_InspectorFollowsCaret)->Iterations(kMoves)->Unit(benchmark::kMillisecond);

// A value edited in a row, to the pane and back to the rows, both drawn.
void BM_InspectorRowEdit(benchmark::State& state)
{
    InspectorBench bench;
    QAbstractItemModel* model = bench.rows()->model();
    const QModelIndex value = model->index(1, 1);
    const QString values[] = {value.data(Qt::EditRole).toString(), value.data(Qt::EditRole).toString() + u'x'};
    const long before = bench.length();
    int turn = 0;
    for (auto _ : state) {
        turn = 1 - turn;
        model->setData(model->index(1, 1), values[turn]);
        bench.draw();
    }
    if (bench.length() != before)
        state.SkipWithError("the edits did not land in the pane");
}
BENCHMARK(BM_InspectorRowEdit)->Iterations(kMoves)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv);
}
