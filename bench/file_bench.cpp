// Open and Save As of a 10 MiB script through the real code path minus the
// dialogs, beside plain stdio reading and writing the same bytes, and what
// colouring costs on Open. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
#include "core/files/windows_1252.h"
#include "generated_script.h"
#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "ui/files/recent_files.h"
#include "ui/files/script_file.h"
#include "ui/panes/script_highlighter.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"
#include "ui/widgets/utf16_text.h"
#include "worked_examples.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace defwright {
namespace {

using bench::generatedScript;

// The first lines of a script, each with its line break.
std::string firstLines(const std::string& script, int count)
{
    std::size_t end = 0;
    for (int line = 0; line < count; ++line)
        end = script.find(kLineBreak, end) + kLineBreak.size();
    return script.substr(0, end);
}

// Shows the window with the item script page in front and returns its pane.
ScriptPane* showItemScript(MainWindow& window)
{
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    window.show();
    return window.findChild<ScriptPane*>(QStringLiteral("txtEdit"));
}

void writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write %s", qPrintable(path));
}

/// Keeps what the benchmark's windows remember out of the user's own settings.
struct SettingsIn {
    explicit SettingsIn(const QString& folder)
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    }
};

/// The generated files on disk and a shown main window with the item pane in
/// front; beside it, a bare editor of the pane's size that colours nothing.
class ScriptFileBench {
public:
    ScriptFileBench()
        : bytes_(generatedScript())
        , source_(folder_.filePath(QStringLiteral("generated.scp")))
        , colouredSource_(folder_.filePath(QStringLiteral("coloured.scp")))
        , target_(folder_.filePath(QStringLiteral("saved.scp")))
        , settings_(folder_.path())
        , pane_(showItemScript(window_))
    {
        writeBytes(source_, bytes_);
        // Its last line break opens one more, empty, line in the pane.
        writeBytes(colouredSource_, firstLines(bytes_, ScriptHighlighter::kMaxWholeDocumentLines - 1));
        plainEditor_.setLineWrapMode(QPlainTextEdit::NoWrap);
        plainEditor_.resize(pane_->size());
        plainEditor_.show();
        QApplication::processEvents();
    }

    const QString& longFile() const { return source_; }
    const QString& longestWholeColouredFile() const { return colouredSource_; }

    // From the moment the dialog hands over the path until the pane has been
    // drawn again. The pane starts empty each time, in a window of its own: a
    // pane that once held a long script colours only the lines in view.
    void open(benchmark::State& state, const QString& path)
    {
        MainWindow window;
        ScriptPane* pane = showItemScript(window);
        for (auto _ : state) {
            state.PauseTiming();
            pane->setPlainText({});
            QApplication::processEvents();
            state.ResumeTiming();
            const ScriptFile::Contents contents = ScriptFile(path).read();
            pane->replaceScript(contents.script);
            QApplication::processEvents();
        }
        state.SetBytesProcessed(state.iterations() * QFile(path).size());
    }

    // Open's steps, the same undoable replace, into an editor that colours
    // nothing: what colouring is measured against.
    void openUncoloured(benchmark::State& state, const QString& path)
    {
        for (auto _ : state) {
            state.PauseTiming();
            plainEditor_.setPlainText({});
            QApplication::processEvents();
            state.ResumeTiming();
            const ScriptFile::Contents contents = ScriptFile(path).read();
            QTextCursor cursor(plainEditor_.document());
            cursor.beginEditBlock();
            cursor.select(QTextCursor::Document);
            cursor.insertText(ScriptPane::toEditorLineBreaks(contents.script));
            cursor.endEditBlock();
            plainEditor_.setTextCursor(cursor);
            QApplication::processEvents();
        }
        state.SetBytesProcessed(state.iterations() * QFile(path).size());
    }

    // A page down through the 10 MiB file and the pane drawn again, its new
    // lines coloured as they come into view; the bare editor colours nothing.
    void scrollPane(benchmark::State& state)
    {
        MainWindow window;
        ScriptPane* pane = showItemScript(window);
        pane->replaceScript(QString::fromLatin1(bytes_.data(), qsizetype(bytes_.size())));
        scroll(state, *pane);
    }

    void scrollUncoloured(benchmark::State& state)
    {
        plainEditor_.setPlainText(ScriptPane::toEditorLineBreaks(QString::fromLatin1(bytes_.data(), qsizetype(bytes_.size()))));
        scroll(state, plainEditor_);
        plainEditor_.setPlainText({});
    }

    static void scroll(benchmark::State& state, QPlainTextEdit& editor)
    {
        editor.moveCursor(QTextCursor::Start);
        QApplication::processEvents();
        QScrollBar* bar = editor.verticalScrollBar();
        for (auto _ : state) {
            bar->setValue(bar->value() + bar->pageStep());
            QApplication::processEvents();
        }
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

    // What Open and Save As do besides reading or writing: ask the file's type
    // before touching it, and put it at the top of a full recent files list.
    void checkAndRemember(benchmark::State& state)
    {
        RecentFiles recent;
        for (int i = 0; i < RecentFiles::kMaxEntries; ++i)
            recent.add(folder_.filePath(QStringLiteral("%1.scp").arg(i)), RecentFiles::Pane::Npc);
        for (auto _ : state) {
            benchmark::DoNotOptimize(ScriptFile(source_).notAFileReason());
            recent.add(source_, RecentFiles::Pane::Item);
        }
    }

private:
    QTemporaryDir folder_;
    std::string bytes_;
    QString source_;
    QString colouredSource_;
    QString target_;
    SettingsIn settings_;
    MainWindow window_;
    ScriptPane* pane_;
    QPlainTextEdit plainEditor_;
};

void registerBenchmarks(ScriptFileBench& bench)
{
    const auto add = [&bench](const char* name, void (ScriptFileBench::*run)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, [&bench, run](benchmark::State& state) { (bench.*run)(state); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    const auto addOpen = [&bench](const char* name, const QString& path,
                                  void (ScriptFileBench::*run)(benchmark::State&, const QString&)) {
        benchmark::RegisterBenchmark(name, [&bench, &path, run](benchmark::State& state) { (bench.*run)(state, path); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    addOpen("BM_OpenScript", bench.longFile(), &ScriptFileBench::open);
    addOpen("BM_OpenScriptUncoloured", bench.longFile(), &ScriptFileBench::openUncoloured);
    addOpen("BM_OpenLongestWholeColouredScript", bench.longestWholeColouredFile(), &ScriptFileBench::open);
    addOpen("BM_OpenLongestWholeColouredScriptUncoloured", bench.longestWholeColouredFile(), &ScriptFileBench::openUncoloured);
    add("BM_ScrollLongScript", &ScriptFileBench::scrollPane);
    add("BM_ScrollLongScriptUncoloured", &ScriptFileBench::scrollUncoloured);
    add("BM_QtDocumentFloor", &ScriptFileBench::documentFloor);
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
