#pragma once

// The 10 MiB script through the real code paths minus the dialogs, each beside
// its floor; file_bench.cpp registers its runs.
#include "core/files/script_bytes.h"
#include "generated_script.h"
#include "settings_in.h"
#include "resident_memory.h"
#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "ui/documents/document_tabs.h"
#include "ui/documents/pane_document.h"
#include "ui/documents/script_file.h"
#include "ui/files/recent_files.h"
#include "ui/panes/pane_search.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"
#include "worked_examples.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QDir>
#include <QTemporaryDir>

#include <Qsci/qsciscintilla.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace defwright {

using bench::generatedScript;
using bench::residentBytes;
using bench::utf8Script;

// Shows the window with the item script page in front and returns its pane.
inline ScriptPane* showItemScript(MainWindow& window)
{
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    window.show();
    return window.findChild<ScriptPane*>(QStringLiteral("txtEdit"));
}

// The documents of the item pane, the first pane made.
inline DocumentTabs* itemDocuments(const MainWindow& window)
{
    return window.findChildren<DocumentTabs*>().constFirst();
}

inline void writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        qFatal("cannot write %s", qPrintable(path));
}

/// The generated file on disk, a shown main window with the item pane in
/// front and the same text in it; beside it, bare editors of the pane's size:
/// QScintilla's and Qt's plain one, neither colouring anything.
class ScriptFileBench {
public:
    ScriptFileBench()
        : bytes_(generatedScript())
        , text_(QString::fromLatin1(bytes_.data(), qsizetype(bytes_.size())))
        , source_(folder_.filePath(QStringLiteral("generated.scp")))
        , utf8Source_(folder_.filePath(QStringLiteral("generated-utf8.scp")))
        , target_(folder_.filePath(QStringLiteral("saved.scp")))
        , settings_(folder_.path())
        , pane_(showItemScript(window_))
    {
        writeBytes(source_, bytes_);
        writeBytes(utf8Source_, utf8Script(bytes_));
        for (QWidget* editor : {static_cast<QWidget*>(&bareEditor_), static_cast<QWidget*>(&plainEditor_)}) {
            editor->resize(pane_->size());
            editor->show();
        }
        bareEditor_.setUtf8(true);
        plainEditor_.setLineWrapMode(QPlainTextEdit::NoWrap);
        QApplication::processEvents();
    }

    // From the moment the dialog hands over the path until the file's new
    // document has been drawn in front, coloured. The one before is closed
    // each time, in a window of its own.
    void open(benchmark::State& state) { openFile(state, source_); }
    void openUtf8(benchmark::State& state) { openFile(state, utf8Source_); }

    void openFile(benchmark::State& state, const QString& path)
    {
        MainWindow window;
        showItemScript(window);
        DocumentTabs* documents = itemDocuments(window);
        QApplication::processEvents();
        const double before = residentBytes();
        for (auto _ : state) {
            state.PauseTiming();
            if (documents->front() != documents->form())
                documents->close(documents->front());
            QApplication::processEvents();
            state.ResumeTiming();
            const ScriptFile::Contents contents = ScriptFile(path).read();
            documents->bringToFront(documents->open(path, contents.format, contents.script));
            QApplication::processEvents();
        }
        state.counters["added_MB"] = (residentBytes() - before) / 1e6;
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    // The same text, already read, put into the bare editor and drawn.
    void bareSetText(benchmark::State& state)
    {
        for (auto _ : state) {
            state.PauseTiming();
            bareEditor_.clear();
            QApplication::processEvents();
            state.ResumeTiming();
            bareEditor_.setText(text_);
            QApplication::processEvents();
        }
        bareEditor_.clear();
    }

    // What the pane cost before it was built on QScintilla: Qt's plain text editor.
    void plainSetText(benchmark::State& state)
    {
        for (auto _ : state) {
            state.PauseTiming();
            plainEditor_.clear();
            QApplication::processEvents();
            state.ResumeTiming();
            plainEditor_.setPlainText(text_);
            QApplication::processEvents();
        }
        plainEditor_.clear();
    }

    // A word on the last line only, found from the top and shown.
    void findLastLine(benchmark::State& state)
    {
        pane_->replaceScript(text_ + QStringLiteral("LASTLINE=1"));
        PaneSearch search(pane_);
        for (auto _ : state) {
            pane_->SendScintilla(ScriptPane::SCI_GOTOPOS, 0);
            if (search.find({QStringLiteral("LASTLINE")}, true) != SearchOutcome::Found)
                state.SkipWithError("not found");
            QApplication::processEvents();
        }
    }

    // "NAME=" stands once in every one of the 29,128 items.
    void replaceAll(benchmark::State& state)
    {
        PaneSearch search(pane_);
        for (auto _ : state) {
            state.PauseTiming();
            pane_->replaceScript(text_);
            pane_->SendScintilla(ScriptPane::SCI_EMPTYUNDOBUFFER);
            state.ResumeTiming();
            if (search.replaceAll({QStringLiteral("NAME=")}, QStringLiteral("TITLE=")) != 29'128)
                state.SkipWithError("wrong count");
            QApplication::processEvents();
        }
    }

    // A page down through the 10 MiB file and the pane drawn again, its new
    // lines coloured as they come into view; the bare editor colours nothing.
    void scrollPane(benchmark::State& state)
    {
        pane_->replaceScript(text_);
        scroll(state, *pane_);
    }

    void scrollBare(benchmark::State& state)
    {
        bareEditor_.setText(text_);
        scroll(state, bareEditor_);
        bareEditor_.clear();
    }

    static void scroll(benchmark::State& state, QsciScintilla& editor)
    {
        editor.SendScintilla(QsciScintilla::SCI_GOTOPOS, 0);
        QApplication::processEvents();
        QScrollBar* bar = editor.verticalScrollBar();
        for (auto _ : state) {
            bar->setValue(bar->value() + bar->pageStep());
            QApplication::processEvents();
        }
    }

    // The status bar's choice of LF for the whole script, drawn, and undone.
    void convertLineBreaks(benchmark::State& state)
    {
        pane_->replaceScript(text_);
        PaneDocument* document = itemDocuments(window_)->front();
        for (auto _ : state) {
            document->convertLineBreaks(LineBreak::Lf);
            QApplication::processEvents();
            pane_->undo();
            QApplication::processEvents();
        }
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
        pane_->replaceScript(text_);
        const PaneDocument* document = itemDocuments(window_)->front();
        for (auto _ : state) {
            const EncodedScript encoded = document->encoded();
            if (const QString error = ScriptFile(target_).write(encoded.bytes); !error.isEmpty())
                state.SkipWithError(qPrintable(error));
        }
        state.SetBytesProcessed(state.iterations() * qint64(bytes_.size()));
    }

    void writeFile(benchmark::State& state)
    {
        for (auto _ : state) {
            const EncodedScript encoded = encodeScript(bytes_, ScriptFormat{});
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
        const QList<DocumentTabs*> panes = window_.findChildren<DocumentTabs*>();
        RecentFiles recent(panes);
        for (int i = 0; i < RecentFiles::kMaxEntries; ++i)
            recent.add(folder_.filePath(QStringLiteral("%1.scp").arg(i)), panes.constLast());
        for (auto _ : state) {
            benchmark::DoNotOptimize(ScriptFile(source_).notAFileReason());
            recent.add(source_, panes.constFirst());
        }
    }

private:
    QTemporaryDir folder_;
    std::string bytes_;
    QString text_;
    QString source_;
    QString utf8Source_;
    QString target_;
    SettingsIn settings_;
    MainWindow window_;
    ScriptPane* pane_;
    QsciScintilla bareEditor_;
    QPlainTextEdit plainEditor_;
};

} // namespace defwright
