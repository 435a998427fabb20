#include "files/file_size_limit.h"
#include "table_test_support.h"

#include "ui/folder/folder_commands.h"
#include "ui/index/index_paths.h"
#include "ui/index/scripts_index.h"

#include <optional>

using namespace defwright;
using namespace defwright::test;

namespace {

// The bytes with the first `from` after `after` made `to`.
QByteArray replacedAfter(QByteArray bytes, const QByteArray& after, const QByteArray& from, const QByteArray& to)
{
    const qsizetype at = bytes.indexOf(from, bytes.indexOf(after));
    return at < 0 ? QByteArray("<not there>") : bytes.replace(at, from.size(), to);
}

// What the index holds of the file now.
QString indexedText(const MainWindow& window, const QString& path)
{
    const FolderIndex& index = window.findChild<FolderCommands*>()->scriptsIndex()->index();
    for (const std::uint32_t file : index.files()) {
        if (index.filePath(file) == toPath(path))
            return QString::fromStdString(*index.summary(file).text);
    }
    return {};
}

} // namespace

class TableEditsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        open_.emplace();
        QVERIFY(open_->table);
    }
    void cleanup() { open_.reset(); }
    void aCellOfAClosedFileIsItsLineRewritten();
    void aCellOfAnOpenFileChangesInItsPane();
    void whatIsTypedOutlivesTheFileChanging();
    void aValueTypedIntoSelectedCellsSetsThemAll();
    void pastedCellsFillTheSelection();
    void undoAndRedoTakeWholeActionsAcrossFiles();
    void anUnwritableFileChangesNothing();
    void aFailedWritePutsBackTheFilesWrittenBefore();

private:
    std::optional<OpenTable> open_; // each case's own folder, window and table
};

// The smallest edit: the value alone changes, every other byte of the file
// stays, in its own format; the index and the table read the new value.
void TableEditsTest::aCellOfAClosedFileIsItsLineRewritten()
{
    auto& [folder, window, table] = *open_;
    const QList<std::tuple<QString, QString, QString, QByteArray, QByteArray>> edits = {
        {folder.gargish(), "i_gargish_stone_arms", "VALUE", "VALUE=120", "VALUE=150"},
        {folder.misc(), "031b2", "DESCRIPTION", "DESCRIPTION=Invisible Tile 031b2\r\n", "DESCRIPTION=caf\xE9 tile\r\n"},
        {folder.magery(), "i_scroll_x_blue", "WEIGHT", "WEIGHT=0.2\r", "WEIGHT=3\r"},
    };
    for (const auto& [path, name, key, from, to] : edits) {
        const QByteArray before = contents(path);
        const QByteArray header = "[ITEMDEF " + tableModel(*table)->index(rowOf(*table, name), 0).data().toByteArray() + ']';
        const QString value = QString::fromLatin1(to.mid(key.size() + 1).trimmed());
        QVERIFY(typeIntoCell(*table, rowOf(*table, name), key, value));
        QCOMPARE(contents(path), replacedAfter(before, header, from, to));
        QCOMPARE(cell(*table, rowOf(*table, name), key), value);
        QVERIFY(QTest::qWaitFor([&] { return indexedText(window, path).contains(key + '=' + value); }));
    }
    QVERIFY2(tableStatus(*table).contains("1 file changed"), qPrintable(tableStatus(*table)));
}

// The pane's document takes the edit as one undo step; the file waits for Save.
void TableEditsTest::aCellOfAnOpenFileChangesInItsPane()
{
    auto& [folder, window, table] = *open_;
    window.openItemScript(folder.deed());
    QVERIFY(showActive(*table));
    const QByteArray before = contents(folder.deed());
    const QString paneBefore = paneText(window, kItemPane);
    QVERIFY(typeIntoCell(*table, rowOf(*table, "i_deed_ship"), "WEIGHT", "7"));
    QCOMPARE(contents(folder.deed()), before);
    QCOMPARE(paneText(window, kItemPane).toUtf8(),
             replacedAfter(paneBefore.toUtf8(), "[ITEMDEF 014f1]", "WEIGHT=1", "WEIGHT=7"));
    QVERIFY(paneDocument(window, kItemPane)->isModified());
    QCOMPARE(cell(*table, rowOf(*table, "i_deed_ship"), "WEIGHT"), "7");
    QVERIFY(QTest::qWaitFor([&] { return indexedText(window, folder.deed()).contains("WEIGHT=7"); }));
    static_cast<ScriptPane*>(control(window, kItemPane))->undo();
    QCOMPARE(paneText(window, kItemPane), paneBefore);

    // Out of sight behind another document, it changes all the same, and the index hears of it.
    window.openItemScript(folder.misc());
    QVERIFY(showActive(*table));
    QVERIFY(typeIntoCell(*table, rowOf(*table, "i_deed_ship"), "WEIGHT", "8"));
    QCOMPARE(contents(folder.deed()), before);
    QVERIFY(paneText(window, kItemPane).startsWith("// caf\u00e9 items"));
    QVERIFY(QTest::qWaitFor([&] { return indexedText(window, folder.deed()).contains("WEIGHT=8"); }));
    QVERIFY(typeIntoCell(*table, rowOf(*table, "i_deed_ship"), "WEIGHT", "9"));
    QVERIFY(QTest::qWaitFor([&] { return indexedText(window, folder.deed()).contains("WEIGHT=9"); }));
}

// The table reads a file again while a cell of it is being typed into: what
// was typed stays in the cell's box, and is what is written.
void TableEditsTest::whatIsTypedOutlivesTheFileChanging()
{
    auto& [folder, window, table] = *open_;
    window.openItemScript(folder.deed());
    QVERIFY(showActive(*table));
    const int row = rowOf(*table, "i_deed_ship");
    QTableView* view = tableView(*table);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(row, columnOf(*table, "WEIGHT")));
    QTest::keyClick(view, Qt::Key_8);
    QWidget* box = QApplication::focusWidget();
    QCOMPARE(box->objectName(), "txtCell");
    const QByteArray changed =
        replacedAfter(paneText(window, kItemPane).toUtf8(), "[ITEMDEF 014f1]", "(Blank)", "(Used)");
    static_cast<ScriptPane*>(control(window, kItemPane))->replaceScript(QString::fromUtf8(changed));
    const QByteArray replaced = paneText(window, kItemPane).toUtf8();
    QVERIFY(QTest::qWaitFor([&] { return cell(*table, row, "DESCRIPTION") == "Ship Plans (Used)"; }));
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([view] { return QApplication::focusWidget() == view; }));
    QCOMPARE(paneText(window, kItemPane).toUtf8(), replacedAfter(replaced, "[ITEMDEF 014f1]", "WEIGHT=1", "WEIGHT=8"));
    QCOMPARE(cell(*table, row, "WEIGHT"), "8");
}

void TableEditsTest::aValueTypedIntoSelectedCellsSetsThemAll()
{
    auto& [folder, window, table] = *open_;
    const QStringList names = {"i_gargish_stone_arms", "i_gargish_stone_arms_female", "i_deed", "i_deed2"};
    selectCells(*table, names, "WEIGHT");
    QVERIFY(typeIntoCurrent(tableView(*table), "2.5"));
    for (const QString& name : names)
        QCOMPARE(cell(*table, rowOf(*table, name), "WEIGHT"), "2.5");
    QCOMPARE(cell(*table, rowOf(*table, "i_deed_ship"), "WEIGHT"), "1");
    QCOMPARE(contents(folder.gargish()).count("WEIGHT=2.5\n"), 2);
    QCOMPARE(contents(folder.deed()).count("WEIGHT=2.5"), 2);
    QVERIFY2(tableStatus(*table).contains("Set WEIGHT in 4 cells: 2 files changed"), qPrintable(tableStatus(*table)));
}

// As a spreadsheet copies a block: a row a line, tab between cells. One
// value fills every cell selected; a block from one cell fills as many.
void TableEditsTest::pastedCellsFillTheSelection()
{
    auto& [folder, window, table] = *open_;
    selectCells(*table, {"i_deed", "i_deed_ship"}, "WEIGHT");
    paste(*table, "4\r\n");
    QCOMPARE(cell(*table, rowOf(*table, "i_deed"), "WEIGHT"), "4");
    QCOMPARE(cell(*table, rowOf(*table, "i_deed_ship"), "WEIGHT"), "4");

    selectCells(*table, {"i_gargish_stone_arms"}, "VALUE");
    const int row = rowOf(*table, "i_gargish_stone_arms");
    const QString next = tableModel(*table)->index(row + 1, 0).data().toString();
    paste(*table, "11\t1.5\n12\t\"2\n3\"\n");
    QCOMPARE(cell(*table, row, "VALUE"), "11");
    QCOMPARE(cell(*table, row, "WEIGHT"), "1.5");
    QCOMPARE(cell(*table, row + 1, "VALUE"), "12");
    QCOMPARE(cell(*table, row + 1, "WEIGHT"), "2 | 3");
    QVERIFY(contents(folder.gargish()).contains("[ITEMDEF " + next.toLatin1() + "]"));
    QVERIFY(contents(folder.gargish()).contains("VALUE=12\nWEIGHT=2\nWEIGHT=3\n"));

    selectCells(*table, {"i_deed", "i_deed_ship"}, "WEIGHT");
    paste(*table, "1\n2\n3\n");
    QVERIFY2(tableStatus(*table).startsWith("Nothing was pasted"), qPrintable(tableStatus(*table)));
}

// One action that changed a file open in a pane and a file not open is taken
// back whole, and made again, by the table's Undo and Redo.
void TableEditsTest::undoAndRedoTakeWholeActionsAcrossFiles()
{
    auto& [folder, window, table] = *open_;
    window.openItemScript(folder.deed());
    QVERIFY(showActive(*table));
    const QByteArray gargish = contents(folder.gargish());
    const QString deed = paneText(window, kItemPane);
    selectCells(*table, {"i_gargish_stone_arms", "i_deed2"}, "VALUE");
    QVERIFY(typeIntoCurrent(tableView(*table), "9"));
    const QByteArray gargishSet = contents(folder.gargish());
    const QString deedSet = paneText(window, kItemPane);
    QVERIFY(gargishSet != gargish);
    QVERIFY(deedSet != deed);
    for (int round = 0; round < 2; ++round) {
        trigger(*table, "mnuTableUndo");
        QCOMPARE(contents(folder.gargish()), gargish);
        QCOMPARE(paneText(window, kItemPane), deed);
        QCOMPARE(cell(*table, rowOf(*table, "i_deed2"), "VALUE"), QString());
        trigger(*table, "mnuTableRedo");
        QCOMPARE(contents(folder.gargish()), gargishSet);
        QCOMPARE(paneText(window, kItemPane), deedSet);
        QCOMPARE(cell(*table, rowOf(*table, "i_deed2"), "VALUE"), "9");
    }
    // Changed by hand since, the pane's text is not the action's to take back.
    static_cast<ScriptPane*>(control(window, kItemPane))->replaceScript("[ITEMDEF 01]\r\n");
    trigger(*table, "mnuTableUndo");
    QCOMPARE(contents(folder.gargish()), gargishSet);
    QVERIFY2(tableStatus(*table).startsWith("Cannot undo ") && tableStatus(*table).contains("has changed since it was read"),
             qPrintable(tableStatus(*table)));
}

// A file of the action that is a folder now: neither it nor the other file
// changes, and the bar says why. Pasting writes at once, before the index can
// hear that the file has gone.
void TableEditsTest::anUnwritableFileChangesNothing()
{
    auto& [folder, window, table] = *open_;
    const QByteArray gargish = contents(folder.gargish());
    selectCells(*table, {"i_gargish_stone_arms", "i_deed2"}, "VALUE");
    QVERIFY(QFile::remove(folder.deed()));
    QVERIFY(QDir().mkdir(folder.deed()));
    paste(*table, "9");
    QCOMPARE(contents(folder.gargish()), gargish);
    QVERIFY(QFileInfo(folder.deed()).isDir());
    QVERIFY2(tableStatus(*table).contains("failed: Could not read ")
                 && tableStatus(*table).endsWith("deed.scp: It is a folder, not a file."),
             qPrintable(tableStatus(*table)));
    QCOMPARE(control<QAction>(*table, "mnuTableUndo")->isEnabled(), false);
}

// The first file is written, the second is cut short by the size a process
// may write: the first gets its bytes back.
void TableEditsTest::aFailedWritePutsBackTheFilesWrittenBefore()
{
#ifndef Q_OS_UNIX
    QSKIP("POSIX only: file size limit");
#else
    auto& [folder, window, table] = *open_;
    const QByteArray gargish = contents(folder.gargish());
    const QByteArray magery = contents(folder.magery());
    QVERIFY(gargish.size() < magery.size());
    selectCells(*table, {"i_gargish_stone_arms", "i_scroll_x_blue"}, "WEIGHT");
    withFileSizeLimit(static_cast<rlim_t>(gargish.size() + 100), [&] { paste(*table, "4"); return true; });
    QCOMPARE(contents(folder.gargish()), gargish);
    QCOMPARE(contents(folder.magery()), magery);
    QCOMPARE(entries(QFileInfo(folder.gargish()).path()), (QStringList{"deed.scp", "gargish.scp", "magery.scp", "misc.scp"}));
    QVERIFY2(tableStatus(*table).contains("failed: Could not write ") && tableStatus(*table).contains("magery.scp: "),
             qPrintable(tableStatus(*table)));
    QCOMPARE(cell(*table, rowOf(*table, "i_gargish_stone_arms"), "WEIGHT"), "10.0");
#endif
}

DEFWRIGHT_WINDOW_TEST_MAIN(TableEditsTest)
#include "table_edits_test.moc"
