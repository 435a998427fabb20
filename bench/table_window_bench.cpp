// The Definitions Table's window on a generated folder of a real server's
// size, offscreen, the whole way from a key or a menu to the rows drawn and
// the files written:
//   ./build/bench/defwright_table_window_bench
#include "core/table/definition_table.h"
#include "generated_item_folder.h"
#include "offscreen_bench_main.h"
#include "resident_memory.h"
#include "ui/index/scripts_index.h"
#include "ui/shell/main_window.h"
#include "ui/table/definition_table_model.h"
#include "ui/table/table_window.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelection>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace defwright {
namespace {

constexpr int kFilesSet = 50;
constexpr int kCellsSetInEach = 20;

// One window over the generated folder, its index built, kept for every benchmark.
class TableBench {
public:
    TableBench()
    {
        window_.show();
        auto* index = window_.findChild<ScriptsIndex*>();
        if (!QTest::qWaitFor([index] { return !index->isBuilding() && index->index().fileCount() > 0; }, 600'000))
            qFatal("The generated folder was not indexed");
    }

    // The first opening of the table: the resident memory it added.
    double open()
    {
        const double before = bench::residentBytes();
        trigger(window_, "mnuDefinitionsTable");
        table_ = window_.findChild<TableWindow*>(QStringLiteral("frmDefinitionsTable"));
        waitForRows();
        return bench::residentBytes() - before;
    }

    void readAgain()
    {
        trigger(*table_, "mnuReadTable");
        waitForRows();
    }

    [[nodiscard]] QTableView* view() const { return table_->findChild<QTableView*>(QStringLiteral("tblDefinitions")); }
    [[nodiscard]] DefinitionTableModel* model() const { return static_cast<DefinitionTableModel*>(view()->model()); }
    [[nodiscard]] QLineEdit* filterBox() const { return table_->findChild<QLineEdit*>(QStringLiteral("txtTableFilter")); }
    [[nodiscard]] QString status() const { return table_->statusBar()->currentMessage(); }

    [[nodiscard]] int column(const QString& caption) const
    {
        for (int column = 0; column < model()->columnCount(); ++column) {
            if (model()->headerData(column, Qt::Horizontal).toString() == caption)
                return column;
        }
        return -1;
    }

    void draw() const { view()->viewport()->repaint(); }

private:
    // The generated folder written out, and made the scripts folder before the window is.
    static QString writtenFolder(const QTemporaryDir& folder)
    {
        const std::vector<std::string> texts = bench::generatedItemFolder();
        for (std::size_t file = 0; file < texts.size(); ++file) {
            const QString path = folder.filePath(QStringLiteral("scripts/sub%1/f%2.scp").arg(file % 10).arg(file));
            QDir().mkpath(QFileInfo(path).path());
            std::ofstream(path.toStdString(), std::ios::binary) << texts[file];
        }
        const QString scripts = folder.filePath(QStringLiteral("scripts"));
        QSettings().remove(QStringLiteral("definitionsTable"));
        QSettings().setValue(QStringLiteral("scriptsFolder"), scripts);
        return scripts;
    }

    static void trigger(const QWidget& window, const char* name)
    {
        window.findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }

    void waitForRows() const
    {
        if (!QTest::qWaitFor([this] { return status().contains(QStringLiteral(" definitions in ")); }, 60'000))
            qFatal("The table was not read");
        draw();
    }

    QTemporaryDir folder_;
    QString scripts_ = writtenFolder(folder_);
    MainWindow window_;
    TableWindow* table_ = nullptr;
};

void BM_OpenItemTable(benchmark::State& state, TableBench& table)
{
    double added = 0;
    for (auto _ : state)
        added = table.open();
    state.counters["added_MiB"] = added / (1024.0 * 1024.0);
    state.counters["rows"] = table.model()->rowCount();
}

void BM_ReadItemTableAgain(benchmark::State& state, TableBench& table)
{
    for (auto _ : state)
        table.readAgain();
}

// Page Down, a page drawn each time; the counter is the slowest page.
void BM_ScrollAPage(benchmark::State& state, TableBench& table)
{
    QTableView* view = table.view();
    view->setFocus();
    view->setCurrentIndex(table.model()->index(0, 0));
    double slowest = 0;
    QElapsedTimer page;
    for (auto _ : state) {
        page.start();
        QTest::keyClick(view, Qt::Key_PageDown);
        table.draw();
        slowest = std::max(slowest, static_cast<double>(page.nsecsElapsed()) / 1e6);
    }
    state.counters["slowest_ms"] = slowest;
}

// A header's sort, ascending and descending in turn, the rows drawn.
void BM_SortColumn(benchmark::State& state, TableBench& table, const char* caption)
{
    const int column = table.column(QString::fromLatin1(caption));
    bool descending = false;
    for (auto _ : state) {
        table.view()->sortByColumn(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        table.draw();
        descending = !descending;
    }
    table.view()->sortByColumn(-1, Qt::AscendingOrder);
}

// "thing 2" in the box, then a 5 typed and taken back in turn, the rows drawn.
void BM_FilterKeystroke(benchmark::State& state, TableBench& table)
{
    QLineEdit* box = table.filterBox();
    box->setText(QStringLiteral("thing 2"));
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(box, typed ? Qt::Key_Backspace : Qt::Key_5);
        table.draw();
        typed = !typed;
    }
    state.counters["rows_shown"] = table.model()->rowCount();
    box->clear();
}

// One WEIGHT cell of a file no pane holds, changed as its box gives it: planned, checked, written, read again.
void BM_CellEditInClosedFile(benchmark::State& state, TableBench& table)
{
    DefinitionTableModel* model = table.model();
    table.view()->clearSelection();
    const QModelIndex weight = model->index(1000, table.column(QStringLiteral("WEIGHT")));
    int value = 100;
    for (auto _ : state)
        model->setData(weight, QString::number(value++));
    state.counters["written"] = table.status().contains(QStringLiteral("1 file changed")) ? 1 : 0;
}

// WEIGHT of 20 definitions in each of 50 files selected, and one value given to them all.
void BM_SetThousandCellsInFiftyFiles(benchmark::State& state, TableBench& table)
{
    DefinitionTableModel* model = table.model();
    const int weight = table.column(QStringLiteral("WEIGHT"));
    QItemSelection cells;
    std::vector<int> taken(kFilesSet, 0);
    for (int row = 0; row < model->rowCount(); ++row) {
        const std::uint32_t file = model->table()->row(model->tableRow(row)).file;
        if (file < kFilesSet && taken[file] < kCellsSetInEach) {
            ++taken[file];
            cells.select(model->index(row, weight), model->index(row, weight));
        }
    }
    table.view()->selectionModel()->select(cells, QItemSelectionModel::ClearAndSelect);
    const QModelIndex edited = cells.indexes().front();
    int value = 200;
    for (auto _ : state)
        model->setData(edited, QString::number(value++));
    state.counters["cells"] = static_cast<double>(cells.indexes().size());
    state.counters["written"] = table.status().contains(QStringLiteral("50 files changed")) ? 1 : 0;
}

// In this order: the table is opened first, and the cells set last.
void registerBenchmarks(TableBench& table)
{
    const auto add = [&table](const char* name, auto run, int iterations) {
        return benchmark::RegisterBenchmark(name, [&table, run](benchmark::State& state) { run(state, table); })
            ->Iterations(iterations)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    add("BM_OpenItemTable", BM_OpenItemTable, 1);
    add("BM_ReadItemTableAgain", BM_ReadItemTableAgain, 3);
    add("BM_ScrollAPage", BM_ScrollAPage, 300);
    add("BM_SortColumn/VALUE", [](benchmark::State& state, TableBench& bench) { BM_SortColumn(state, bench, "VALUE"); }, 10);
    add("BM_SortColumn/NAME", [](benchmark::State& state, TableBench& bench) { BM_SortColumn(state, bench, "NAME"); }, 10);
    add("BM_FilterKeystroke", BM_FilterKeystroke, 40);
    add("BM_CellEditInClosedFile", BM_CellEditInClosedFile, 20);
    add("BM_SetThousandCellsInFiftyFiles", BM_SetThousandCellsInFiftyFiles, 3);
}

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv, [] {
        auto table = std::make_shared<defwright::TableBench>();
        defwright::registerBenchmarks(*table);
        return table;
    });
}
