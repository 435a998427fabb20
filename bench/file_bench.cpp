// Open and Save As of a 10 MiB script through the real code path minus the
// dialogs, beside plain stdio reading and writing the same bytes. Runs
// offscreen unless QT_QPA_PLATFORM says otherwise.
#include "files/script_file.h"
#include "files/utf16_text.h"
#include "files/windows_1252.h"
#include "items/item_script.h"
#include "script/script_text.h"
#include "shell/main_window.h"
#include "shell/script_pane.h"
#include "worked_examples.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace defwright {
namespace {

constexpr std::size_t kScriptBytes = 10 * 1024 * 1024;

// The worked example item again and again, each followed by an empty line:
// a file of many short lines, as real .scp files are.
std::string generatedScript()
{
    const std::string item = itemScript(samples::magicSword()) + std::string(kLineBreak) + std::string(kLineBreak);
    std::string script;
    script.reserve(kScriptBytes + item.size());
    while (script.size() < kScriptBytes)
        script += item;
    return script;
}

/// The generated file on disk and a shown main window with the item pane in front.
class ScriptFileBench {
public:
    ScriptFileBench()
        : bytes_(generatedScript())
        , source_(folder_.filePath(QStringLiteral("generated.scp")))
        , target_(folder_.filePath(QStringLiteral("saved.scp")))
        , pane_(window_.findChild<ScriptPane*>(QStringLiteral("txtEdit")))
    {
        QFile file(source_);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes_.data(), qint64(bytes_.size())) != qint64(bytes_.size()))
            qFatal("cannot write %s", qPrintable(source_));
        window_.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
        window_.show();
        QApplication::processEvents();
    }

    // From the moment the dialog hands over the path until the pane has been
    // drawn again. The pane starts empty each time, as a fresh window's does.
    void open(benchmark::State& state)
    {
        for (auto _ : state) {
            state.PauseTiming();
            pane_->setPlainText({});
            QApplication::processEvents();
            state.ResumeTiming();
            const ScriptFile::Contents contents = ScriptFile(source_).read();
            pane_->replaceScript(contents.script);
            QApplication::processEvents();
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    // What Qt's text document needs for these lines at the least: no view,
    // no undo, line breaks already converted. The pane cannot beat it.
    void documentFloor(benchmark::State& state)
    {
        const QString text = ScriptPane::toEditorLineBreaks(QString::fromLatin1(bytes_.data(), qsizetype(bytes_.size())));
        for (auto _ : state) {
            state.PauseTiming();
            auto document = std::make_unique<QTextDocument>();
            document->setUndoRedoEnabled(false);
            state.ResumeTiming();
            QTextCursor(document.get()).insertText(text);
            state.PauseTiming();
            document.reset();
            state.ResumeTiming();
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    void readFile(benchmark::State& state)
    {
        for (auto _ : state)
            benchmark::DoNotOptimize(ScriptFile(source_).read());
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    void stdioRead(benchmark::State& state)
    {
        const QByteArray name = QFile::encodeName(source_);
        for (auto _ : state) {
            std::FILE* file = std::fopen(name.constData(), "rb");
            std::string bytes(bytes_.size(), '\0');
            benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
            std::fclose(file);
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    // The pane holds the opened file, as it does when the user saves it again.
    void saveAs(benchmark::State& state)
    {
        pane_->replaceScript(QString::fromLatin1(bytes_.data(), qsizetype(bytes_.size())));
        for (auto _ : state) {
            const QString script = pane_->script();
            const Windows1252Bytes encoded = encodeWindows1252(utf16View(script));
            if (const QString error = ScriptFile(target_).write(encoded.bytes); !error.isEmpty())
                state.SkipWithError(qPrintable(error));
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    void writeFile(benchmark::State& state)
    {
        const QString script = QString::fromLatin1(bytes_.data(), qsizetype(bytes_.size()));
        for (auto _ : state) {
            const Windows1252Bytes encoded = encodeWindows1252(utf16View(script));
            if (const QString error = ScriptFile(target_).write(encoded.bytes); !error.isEmpty())
                state.SkipWithError(qPrintable(error));
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    void stdioWrite(benchmark::State& state)
    {
        const QByteArray name = QFile::encodeName(target_);
        for (auto _ : state) {
            std::FILE* file = std::fopen(name.constData(), "wb");
            std::fwrite(bytes_.data(), 1, bytes_.size(), file);
            std::fwrite(kLineBreak.data(), 1, kLineBreak.size(), file);
            std::fclose(file);
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

private:
    QTemporaryDir folder_;
    std::string bytes_;
    QString source_;
    QString target_;
    MainWindow window_;
    ScriptPane* pane_;
};

void registerBenchmarks(ScriptFileBench& bench)
{
    const auto add = [&bench](const char* name, void (ScriptFileBench::*run)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, [&bench, run](benchmark::State& state) { (bench.*run)(state); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    add("BM_OpenScript", &ScriptFileBench::open);
    add("BM_QtDocumentFloor", &ScriptFileBench::documentFloor);
    add("BM_ReadScriptFile", &ScriptFileBench::readFile);
    add("BM_StdioReadFloor", &ScriptFileBench::stdioRead);
    add("BM_SaveScriptAs", &ScriptFileBench::saveAs);
    add("BM_WriteScriptFile", &ScriptFileBench::writeFile);
    add("BM_StdioWriteFloor", &ScriptFileBench::stdioWrite);
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
