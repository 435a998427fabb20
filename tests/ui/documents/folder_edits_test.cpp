#include "../files/file_size_limit.h"
#include "../files/file_test_support.h"
#include "core/files/script_bytes.h"
#include "core/files/script_format.h"
#include "ui/documents/folder_edits.h"
#include "ui/documents/front_document.h"
#include "ui/documents/pane_document.h"
#include "window_test_main.h"

#include <functional>

using namespace defwright;
using namespace defwright::test;

namespace {

constexpr std::string_view kOldName = "i_chest_wooden_brass";
constexpr std::string_view kNewName = "i_chest_of_oak";

// A sample script (LF, plain ASCII) as another kind of file holds it.
struct Variant {
    const char* name;
    QByteArray (*make)(QByteArray);
};

const Variant kVariants[] = {
    {"crlf.scp", [](QByteArray bytes) { return bytes.replace("\n", "\r\n"); }},
    {"lf.scp", [](QByteArray bytes) { return bytes; }},
    {"cr.scp", [](QByteArray bytes) { return bytes.replace('\n', '\r'); }},
    {"cp1252.scp", [](QByteArray bytes) { return bytes.replace("//\n", "// caf\xE9\r\n"); }},
    {"bom.scp", [](QByteArray bytes) { return "\xEF\xBB\xBF" + bytes.replace("//\n", "// caf\xC3\xA9\n"); }},
    {"unended.scp", [](QByteArray bytes) { return bytes.trimmed(); }},
};
constexpr std::size_t kPlacesInSample = 9;

QByteArray variant(qsizetype index)
{
    return kVariants[index].make(contents(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/items/i_dungeon_chest.scp")));
}

std::string paneTextOf(const QByteArray& bytes)
{
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return decodeScript(view, detectFormat(view).encoding);
}

QByteArray renamed(QByteArray bytes)
{
    return bytes.replace(QByteArray(kOldName.data()), QByteArray(kNewName.data()));
}

QByteArray documentBytes(const PaneDocument* document)
{
    return QByteArray::fromStdString(std::string(document->editor().bytes()));
}

// The test's own plan: every place of the old name in the text as a pane holds it.
FileEdits renaming(const QString& path, std::string text)
{
    FileEdits file{path, {}, std::make_shared<const std::string>(std::move(text))};
    for (std::size_t at = file.basis->find(kOldName); at != std::string::npos; at = file.basis->find(kOldName, at + 1))
        file.edits.push_back({at, at + kOldName.size(), std::string(kNewName)});
    return file;
}

// A folder of every variant, the first of them open in the item pane.
struct Folder {
    QTemporaryDir dir;
    QStringList paths;
    PaneDocument* open = nullptr;

    explicit Folder(MainWindow& window)
    {
        for (qsizetype i = 0; i < qsizetype(std::size(kVariants)); ++i) {
            paths << dir.filePath(QString::fromLatin1(kVariants[i].name));
            writeFile(paths.back(), variant(i));
        }
        window.openItemScript(paths.front());
        open = window.findChild<FrontDocument*>()->documentOf(paths.front());
    }

    [[nodiscard]] std::vector<FileEdits> plan() const
    {
        std::vector<FileEdits> files;
        for (const QString& path : paths)
            files.push_back(renaming(path, paneTextOf(contents(path))));
        files.front().basis = std::make_shared<const std::string>(open->editor().bytes());
        return files;
    }

    // The first `count` files as they were made, and nothing beside the files.
    [[nodiscard]] bool asMade(qsizetype count = -1) const
    {
        for (qsizetype i = 0; i < (count < 0 ? paths.size() : count); ++i) {
            if (contents(paths[i]) != variant(i))
                return false;
        }
        return entries(dir.path()).size() == paths.size();
    }
};

} // namespace

class FolderEditsTest : public QObject {
    Q_OBJECT

private slots:
    void anOpenAndClosedFilesChangeAsOneActionInTheirFormats();
    void nothingChangesWhenOneFileStopsIt();
    void aWriteCutShortPartWayChangesNothing();
    void theWholeActionIsUndoneAndRedone();
};

// Each closed file is written in its own format, byte for byte but for the
// names; the open one changes in its pane as one undo step, not on disk.
void FolderEditsTest::anOpenAndClosedFilesChangeAsOneActionInTheirFormats()
{
    MainWindow window;
    const Folder folder(window);
    QVERIFY(folder.open != nullptr);
    FolderEdits edits(window.findChild<FrontDocument*>(), &window);
    QStringList told;
    connect(&edits, &FolderEdits::fileWritten, this, [&told](const QString& path, const std::string& text) {
        told << path;
        QVERIFY(text.find(kNewName) != std::string::npos && text.find(kOldName) == std::string::npos);
    });

    const FolderEditOutcome outcome = edits.apply(folder.plan());

    QVERIFY2(outcome.error.isEmpty(), qPrintable(outcome.error));
    QCOMPARE(outcome.documents, 1);
    QCOMPARE(outcome.written, static_cast<int>(std::size(kVariants)) - 1);
    QCOMPARE(outcome.places, std::size(kVariants) * kPlacesInSample);
    QCOMPARE(told, folder.paths.mid(1));
    for (qsizetype i = 1; i < folder.paths.size(); ++i)
        QCOMPARE(contents(folder.paths[i]), renamed(variant(i)));
    QCOMPARE(contents(folder.paths.front()), variant(0));
    QCOMPARE(documentBytes(folder.open), renamed(variant(0)));
    QVERIFY(folder.open->isModified());
    folder.open->pane()->undo();
    QCOMPARE(documentBytes(folder.open), variant(0));
    QVERIFY(!folder.open->isModified());
    QVERIFY(folder.asMade(0));
}

// Whatever stops one file, the reason names it and no file changes: not the
// ones before it on disk, not the open one, and no new file is left beside them.
void FolderEditsTest::nothingChangesWhenOneFileStopsIt()
{
    using Spoil = std::function<QString(Folder&, std::vector<FileEdits>&)>; // returns the file to be named
    const QList<std::tuple<const char*, Spoil, QString>> cases = {
        {"changed on disk since it was read",
         [](Folder& folder, std::vector<FileEdits>&) {
             writeFile(folder.paths.back(), "[ITEMDEF i_chest_wooden_brass]\n");
             return folder.paths.back();
         },
         "%1 has changed since it was read, so nothing was changed."},
        {"a folder in its place",
         [](Folder& folder, std::vector<FileEdits>&) {
             QFile::remove(folder.paths.back());
             QDir().mkdir(folder.paths.back());
             return folder.paths.back();
         },
         "Could not read %1: It is a folder, not a file."},
        {"its folder is a file",
         [](Folder& folder, std::vector<FileEdits>& plan) {
             plan.back().path = folder.paths[1] + QStringLiteral("/inside.scp");
             return plan.back().path;
         },
         "Could not read %1: Not a directory"},
        {"the open document changed since",
         [](Folder& folder, std::vector<FileEdits>&) {
             folder.open->pane()->replaceRange(0, 0, "// typed\r\n");
             return folder.paths.front();
         },
         "%1 has changed since it was read, so nothing was changed."},
        {"an edit past the end",
         [](Folder& folder, std::vector<FileEdits>& plan) {
             plan.back().edits.push_back({plan.back().basis->size(), plan.back().basis->size() + 1, "x"});
             return folder.paths.back();
         },
         "The changes do not fit the text of %1, so nothing was changed."},
        {"a character its encoding lacks",
         [](Folder& folder, std::vector<FileEdits>& plan) {
             plan[3].edits.front().replacement = "i_\xC5\x82" "ad"; // U+0142, not in Windows-1252
             return folder.paths[3];
         },
         "%1 is written in Windows-1252, which lacks 1 of the characters the change puts in, so nothing was "
         "changed."},
    };
    for (const auto& [name, spoil, reason] : cases) {
        MainWindow window;
        Folder folder(window);
        std::vector<FileEdits> plan = folder.plan();
        const QString named = spoil(folder, plan);
        const QByteArray openText = documentBytes(folder.open);
        const bool openModified = folder.open->isModified();

        const FolderEditOutcome outcome = FolderEdits(window.findChild<FrontDocument*>(), nullptr).apply(plan);

        QCOMPARE(outcome.error, reason.arg(QDir::toNativeSeparators(named)));
        QVERIFY2(outcome.undo.empty() && outcome.written == 0, name);
        QCOMPARE(documentBytes(folder.open), openText);
        QCOMPARE(folder.open->isModified(), openModified);
        QVERIFY2(folder.asMade(folder.paths.size() - 1), name);
    }
}

// A write cut short part way, as on a full disk: the files staged before it go too.
void FolderEditsTest::aWriteCutShortPartWayChangesNothing()
{
#ifdef Q_OS_UNIX
    MainWindow window;
    Folder folder(window);
    writeFile(folder.paths.back(), variant(5).repeated(16));
    std::vector<FileEdits> plan = folder.plan();
    const FolderEditOutcome outcome = withFileSizeLimit(16 * 1024, [&] {
        return FolderEdits(window.findChild<FrontDocument*>(), nullptr).apply(plan);
    });
    QVERIFY2(outcome.error.startsWith("Could not write " + QDir::toNativeSeparators(folder.paths.back()) + ": "),
             qPrintable(outcome.error));
    QVERIFY(!folder.open->isModified());
    QVERIFY(folder.asMade(folder.paths.size() - 1));
#else
    QSKIP("The size of a file written is limited on Unix alone");
#endif
}

// What the action returns takes every file back, the open one too, and does
// it all again; a file changed in between stops the undo rather than lose the change.
void FolderEditsTest::theWholeActionIsUndoneAndRedone()
{
    MainWindow window;
    const Folder folder(window);
    FolderEdits edits(window.findChild<FrontDocument*>(), &window);
    const FolderEditOutcome done = edits.apply(folder.plan());
    QVERIFY(done.error.isEmpty());

    const FolderEditOutcome undone = edits.apply(done.undo);
    QVERIFY2(undone.error.isEmpty(), qPrintable(undone.error));
    QVERIFY(folder.asMade());
    QCOMPARE(documentBytes(folder.open), variant(0));

    const FolderEditOutcome redone = edits.apply(done.redo);
    QVERIFY2(redone.error.isEmpty(), qPrintable(redone.error));
    for (qsizetype i = 1; i < folder.paths.size(); ++i)
        QCOMPARE(contents(folder.paths[i]), renamed(variant(i)));
    QCOMPARE(documentBytes(folder.open), renamed(variant(0)));

    writeFile(folder.paths[2], renamed(variant(2)) + "\r");
    const FolderEditOutcome refused = edits.apply(redone.undo);
    QCOMPARE(refused.error, QStringLiteral("%1 has changed since it was read, so nothing was changed.")
                                .arg(QDir::toNativeSeparators(folder.paths[2])));
    QCOMPARE(contents(folder.paths[1]), renamed(variant(1)));
    QCOMPARE(documentBytes(folder.open), renamed(variant(0)));
}

DEFWRIGHT_WINDOW_TEST_MAIN(FolderEditsTest)
#include "folder_edits_test.moc"
