// Many documents open at once, and a line of megabytes, offscreen:
//   ./build/bench/defwright_document_bench
#include "generated_folder.h"
#include "offscreen_bench_main.h"
#include "resident_memory.h"
#include "settings_in.h"
#include "shown_window.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/pane_document.h"
#include "ui/files/file_commands.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"
#include "ui/session/session_keeper.h"
#include "ui/session/session_store.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace defwright {
namespace {

constexpr int kDocuments = 200;
constexpr int kModified = 20;
// Four times the sections of an average file of the generated folder, about
// 130 KB: as large as the largest sample script, a folder's largest.
constexpr std::size_t kSectionsPerFile = 4 * bench::kSectionsPerFile;

// The item page of a shown window, and 200 files of a folder, none open yet.
class DocumentBench {
public:
    DocumentBench()
        : settings_(folder_.path())
    {
        std::size_t section = 0;
        for (int file = 0; file < kDocuments; ++file) {
            std::string text = "// Generated script " + std::to_string(file) + "\r\n";
            for (std::size_t i = 0; i < kSectionsPerFile; ++i)
                text += bench::generatedSection(section++);
            paths_ << folder_.filePath(QStringLiteral("f%1.scp").arg(file));
            std::ofstream(paths_.constLast().toStdString(), std::ios::binary) << text;
        }
        bench::showScriptPage(window_);
        items_ = window_.findChildren<DocumentTabs*>().constFirst();
        files_ = window_.findChild<FileCommands*>();
    }

    PaneDocument* open(int file) { return files_->openFile(items_, paths_.at(file), FileCommands::Remember::No); }
    void draw() const
    {
        items_->pane()->repaint();
        QCoreApplication::sendPostedEvents();
    }
    [[nodiscard]] DocumentTabs* items() const { return items_; }
    [[nodiscard]] SessionKeeper* keeper() const { return window_.findChild<SessionKeeper*>(); }
    [[nodiscard]] const QStringList& paths() const { return paths_; }

private:
    QTemporaryDir folder_;
    SettingsIn settings_;
    QStringList paths_;
    MainWindow window_;
    DocumentTabs* items_ = nullptr;
    FileCommands* files_ = nullptr;
};

// All 200 opened, each drawn in front as it comes; what the 199 after the
// first cost in memory.
void BM_OpenTwoHundredDocuments(benchmark::State& state, DocumentBench& bench)
{
    bench.open(0);
    bench.draw();
    const double one = bench::residentBytes();
    for (auto _ : state) {
        for (int file = 1; file < kDocuments; ++file) {
            bench.open(file);
            bench.draw();
        }
    }
    state.counters["added_MB_for_199"] = (bench::residentBytes() - one) / 1e6;
    state.counters["documents"] = double(bench.items()->documents().size() - 1);
}

// From the first document to the last and back, each drawn.
void BM_SwitchDocument(benchmark::State& state, DocumentBench& bench)
{
    const QList<PaneDocument*> open = bench.items()->documents();
    int at = 0;
    for (auto _ : state) {
        at = at == 1 ? kDocuments : 1;
        bench.items()->bringToFront(open.at(at));
        bench.draw();
    }
}

// File > Open of a file a document holds: found among the 200, to the front, drawn.
void BM_OpenFileAlreadyOpen(benchmark::State& state, DocumentBench& bench)
{
    int file = 0;
    for (auto _ : state) {
        file = file == 50 ? 150 : 50;
        if (bench.open(file) == nullptr)
            state.SkipWithError("not opened");
        bench.draw();
    }
}

// The end of the program with 200 documents open, 20 of them changed: the
// whole store made and written, on the window's thread.
void BM_KeepSessionOfTwoHundred(benchmark::State& state, DocumentBench& bench)
{
    QFile::remove(SessionStore::defaultPath());
    bench.keeper()->restore();
    const QList<PaneDocument*> open = bench.items()->documents();
    for (int i = 0; i < kModified; ++i) {
        bench.items()->bringToFront(open.at(1 + i * (kDocuments / kModified)));
        bench.items()->pane()->insertScript(QStringLiteral("// changed\r\n"));
    }
    for (auto _ : state)
        bench.keeper()->keep();
    state.counters["store_MB"] = double(QFileInfo(SessionStore::defaultPath()).size()) / 1e6;
}

// A single line of 5 MB, words that never repeat, in a document of its own.
std::string longLine()
{
    std::string line = "DESCRIPTION=";
    unsigned word = 7;
    while (line.size() < 5 * 1024 * 1024) {
        word = word * 1103515245U + 12345U;
        line += "w" + std::to_string(word % 100000) + (word % 7 == 0 ? ", " : " ");
    }
    return line + "\r\n";
}

void BM_ShowFiveMegabyteLine(benchmark::State& state, DocumentBench& bench)
{
    const std::string line = longLine();
    for (auto _ : state) {
        PaneDocument* document = bench.items()->open(QStringLiteral("long.scp"), ScriptFormat{}, line);
        bench.items()->bringToFront(document);
        bench.draw();
    }
}

// A key typed into it, at its start, and the pane drawn.
void BM_KeyInFiveMegabyteLine(benchmark::State& state, DocumentBench& bench)
{
    ScriptPane* pane = bench.items()->pane();
    pane->setFocus();
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, 20);
    bench.draw();
    for (auto _ : state) {
        QTest::keyClick(pane, Qt::Key_A);
        bench.draw();
    }
}

// In this order: the documents opened first are switched, opened again and kept.
void registerBenchmarks(DocumentBench& bench)
{
    const auto add = [&bench](const char* name, void (*run)(benchmark::State&, DocumentBench&), int iterations) {
        benchmark::RegisterBenchmark(name, [&bench, run](benchmark::State& state) { run(state, bench); })
            ->Iterations(iterations)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    add("BM_OpenTwoHundredDocuments", BM_OpenTwoHundredDocuments, 1);
    add("BM_SwitchDocument", BM_SwitchDocument, 200);
    add("BM_OpenFileAlreadyOpen", BM_OpenFileAlreadyOpen, 200);
    add("BM_KeepSessionOfTwoHundred", BM_KeepSessionOfTwoHundred, 10);
    add("BM_ShowFiveMegabyteLine", BM_ShowFiveMegabyteLine, 1);
    add("BM_KeyInFiveMegabyteLine", BM_KeyInFiveMegabyteLine, 5);
}

} // namespace
} // namespace defwright

int main(int argc, char* argv[])
{
    return defwright::bench::runOffscreenBenchmarks(argc, argv, [] {
        auto bench = std::make_shared<defwright::DocumentBench>();
        defwright::registerBenchmarks(*bench);
        return bench;
    });
}
