#include "table_test_support.h"

#include "core/files/windows_1252.h"
#include "core/table/cell_order.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

using namespace defwright;
using namespace defwright::test;

namespace {

constexpr int kItems = 72 + 124 + 226 + 203; // the ITEMDEF headers of the four samples, in any case

void clickHeader(const QWidget& table, const QString& caption)
{
    QHeaderView* header = tableView(table)->horizontalHeader();
    const int column = columnOf(table, caption);
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

QStringList columnTexts(const QWidget& table, const QString& caption)
{
    QStringList texts;
    for (int row = 0; row < tableModel(table)->rowCount(); ++row)
        texts << cell(table, row, caption);
    return texts;
}

// Types the path into a CSV file dialog's name box and accepts it.
ModalAnswers::Answer chooseCsv(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->nameFilters(), QStringList{"CSV Files (*.csv)"});
        for (QAbstractItemView* view : dialog->findChildren<QAbstractItemView*>())
            view->clearSelection();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

// What the import preview showed, kept for the test once it has gone.
struct Preview {
    QString summary;
    QString skipped;
    int changes = -1;
};

// Unticks the change of the definition named `untick`, if any, with the space bar.
ModalAnswers::Answer preview(Preview* shown, bool apply, const QString& untick = {})
{
    return [shown, apply, untick](QWidget* modal) {
        QCOMPARE(modal->objectName(), "diaImportPreview");
        shown->summary = control<QLabel>(*modal, "lblImportSummary")->text();
        shown->skipped = control<QPlainTextEdit>(*modal, "txtImportSkipped")->toPlainText();
        auto* changes = control<QTableView>(*modal, "tblImportChanges");
        shown->changes = changes->model()->rowCount();
        for (int row = 0; row < shown->changes && !untick.isEmpty(); ++row) {
            const QModelIndex definition = changes->model()->index(row, 0);
            if (definition.data() != untick)
                continue;
            changes->setFocus();
            changes->setCurrentIndex(definition);
            QTest::keyClick(changes, Qt::Key_Space);
            QCOMPARE(definition.data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
        }
        if (apply)
            control<QPushButton>(*modal, "cmdApplyImport")->click();
        else
            static_cast<QDialog*>(modal)->reject();
    };
}

void exportTo(const QWidget& table, const QString& path)
{
    ModalAnswers answers;
    answers.then(chooseCsv(path));
    control<QAction>(table, "mnuExportTable")->trigger();
    QVERIFY(answeredAll(answers));
}

void importFrom(const QWidget& table, const QString& path, Preview* shown = nullptr, bool apply = true,
                const QString& untick = {})
{
    ModalAnswers answers;
    answers.then(chooseCsv(path));
    if (shown != nullptr)
        answers.then(preview(shown, apply, untick));
    control<QAction>(table, "mnuImportTable")->trigger();
    QVERIFY(answeredAll(answers));
}

// Replaces `from` in the one row of the CSV that begins with `row`.
bool replaceInRow(QByteArray& csv, const QByteArray& row, const QByteArray& from, const QByteArray& to)
{
    const qsizetype at = csv.indexOf('\n' + row);
    const qsizetype start = at + 1;
    const qsizetype end = csv.indexOf('\n', start);
    const qsizetype found = csv.indexOf(from, start);
    if (at < 0 || csv.indexOf('\n' + row, start) >= 0 || found < 0 || found > end)
        return false;
    csv.replace(found, from.size(), to);
    return true;
}

QList<QByteArray> scripts(const TableFolder& folder)
{
    return {contents(folder.gargish()), contents(folder.misc()), contents(folder.magery()), contents(folder.deed())};
}

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsEveryItemOfTheLoadedFiles();
    void sortsByAnyColumn();
    void filtersWithOneBox();
    void enterOpensTheDefinition();
    void chosenColumnsAreRemembered();
    void exportThenImportChangesNothing();
    void anEditedCsvChangesExactlyItsCells();
    void aCsvThatCannotBeReadChangesNothing();
};

void TableWindowTest::showsEveryItemOfTheLoadedFiles()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    QCOMPARE(tableModel(*table)->rowCount(), kItems);
    QCOMPARE(control<QLabel>(*table, "lblTableCount")->text(), QStringLiteral("%1 of %1 definitions").arg(kItems));
    const QStringList first = {"Definition", "DEFNAME", "File", "Line"};
    for (int column = 0; column < first.size(); ++column)
        QCOMPARE(tableModel(*table)->headerData(column, Qt::Horizontal).toString(), first[column]);
    QVERIFY(columnOf(*table, "TYPE") > 3);
    QVERIFY(columnOf(*table, "DESCRIPTION") > 3);
    const int deed = rowOf(*table, "i_deed");
    QCOMPARE(cell(*table, deed, "Definition"), "014ef");
    QCOMPARE(cell(*table, deed, "File"), "items/deed.scp");
    QCOMPARE(cell(*table, deed, "Line"), "7");
    QCOMPARE(cell(*table, rowOf(*table, "031b2"), "Line"), "24"); // a line more at the top
    QCOMPARE(cell(*table, rowOf(*table, "014f0"), "DEFNAME"), QString());
    QCOMPARE(cell(*table, rowOf(*table, "i_scroll_x_blue"), "WEIGHT"), "0.2");
    QVERIFY(table->windowTitle().startsWith("Definitions Table: ITEMDEF in "));
}

// Numbers as numbers and ids in any form as numbers; empty cells last either way.
void TableWindowTest::sortsByAnyColumn()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    for (const QString& caption : {QStringLiteral("VALUE"), QStringLiteral("Definition"), QStringLiteral("NAME")}) {
        for (const bool descending : {false, true}) {
            clickHeader(*table, caption);
            QCOMPARE(tableView(*table)->horizontalHeader()->sortIndicatorOrder(),
                     descending ? Qt::DescendingOrder : Qt::AscendingOrder);
            const QStringList texts = columnTexts(*table, caption);
            QCOMPARE(texts.size(), kItems);
            if (caption == "Definition") // ids as numbers: 0x283 < 0xe36 < 0x31b2
                QCOMPARE(texts.indexOf("0283") < texts.indexOf("0e36") && texts.indexOf("0e36") < texts.indexOf("031b2"),
                         !descending);
            for (qsizetype row = 1; row < texts.size(); ++row) {
                const std::string before = texts[row - 1].toStdString();
                const std::string after = texts[row].toStdString();
                const int order = compareCells(before, after);
                QVERIFY2(after.empty() || (before.empty() ? false : descending ? order >= 0 : order <= 0),
                         qPrintable(caption + ": " + texts[row - 1] + " before " + texts[row]));
            }
        }
    }
    // A third click takes the sort away: the rows are in their files' order again.
    clickHeader(*table, QStringLiteral("NAME"));
    QCOMPARE(tableView(*table)->horizontalHeader()->sortIndicatorSection(), -1);
    for (int row = 0; row < kItems; ++row)
        QCOMPARE(tableModel(*table)->tableRow(row), static_cast<std::uint32_t>(row));
}

void TableWindowTest::filtersWithOneBox()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    auto* filter = control<QLineEdit>(*table, "txtTableFilter");
    QTest::keyClick(tableView(*table), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), filter);
    QTest::keyClicks(filter, "GARGISH value>120 \"stone kilt\"");
    const int shown = tableModel(*table)->rowCount();
    QVERIFY(shown > 0 && shown < 50);
    for (int row = 0; row < shown; ++row) {
        QCOMPARE(cell(*table, row, "File"), "items/gargish.scp");
        QVERIFY(cell(*table, row, "VALUE").toDouble() > 120);
        QVERIFY(cell(*table, row, "NAME").contains("stone kilt", Qt::CaseInsensitive));
    }
    QCOMPARE(control<QLabel>(*table, "lblTableCount")->text(), QStringLiteral("%1 of %2 definitions").arg(shown).arg(kItems));
    filter->clear();
    QCOMPARE(tableModel(*table)->rowCount(), kItems);
    QTest::keyClicks(filter, "type=t_deed weight<1");
    QVERIFY(tableModel(*table)->rowCount() > 0);
    for (int row = 0; row < tableModel(*table)->rowCount(); ++row)
        QCOMPARE(cell(*table, row, "TYPE"), "t_deed");
}

// As Go to Definition: the file opens in the item pane, the header's line at the caret.
void TableWindowTest::enterOpensTheDefinition()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    QTableView* view = tableView(*table);
    view->setFocus();
    view->setCurrentIndex(view->model()->index(rowOf(*table, "i_deed_ship"), columnOf(*table, "Line")));
    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&window] { return QApplication::activeWindow() == &window; }));
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.deed());
    QCOMPARE(caretLine(window, kItemPane), 20);
}

void TableWindowTest::chosenColumnsAreRemembered()
{
    TableFolder folder;
    useFolder(folder);
    {
        MainWindow window;
        TableWindow* table = openTable(window);
        QVERIFY(table);
        QVERIFY(columnOf(*table, "VALUE") > 0);
        QVERIFY(columnOf(*table, "DAM") < 0);
        QVERIFY(driveModalWindow([table] { control<QPushButton>(*table, "cmdTableColumns")->click(); },
                                 [](QWidget& dialog) {
                                     auto* find = control<QLineEdit>(dialog, "txtFindKey");
                                     auto* keys = control<QListWidget>(dialog, "lstTableKeys");
                                     for (const char* key : {"DAM", "VALUE"}) {
                                         find->setText(key);
                                         const auto found = keys->findItems(key, Qt::MatchStartsWith);
                                         QVERIFY(!found.isEmpty());
                                         QListWidgetItem* item = found.front();
                                         item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked
                                                                                              : Qt::Checked);
                                     }
                                     static_cast<QDialog&>(dialog).accept();
                                 }));
        QVERIFY(columnOf(*table, "VALUE") < 0);
        QCOMPARE(columnOf(*table, "DAM"), tableModel(*table)->columnCount() - 1);
        QCOMPARE(cell(*table, 0, "DAM"), QString());
    }
    MainWindow again;
    TableWindow* table = openTable(again);
    QVERIFY(table);
    QVERIFY(columnOf(*table, "VALUE") < 0);
    QCOMPARE(columnOf(*table, "DAM"), tableModel(*table)->columnCount() - 1);
}

void TableWindowTest::exportThenImportChangesNothing()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    const QList<QByteArray> before = scripts(folder);
    const QString csv = folder.path("items.csv");
    exportTo(*table, csv);
    QVERIFY(contents(csv).startsWith("\xEF\xBB\xBF" "Definition,File,DEFNAME,"));
    QCOMPARE(contents(csv).count("\r\n"), kItems + 1);
    importFrom(*table, csv);
    QVERIFY2(tableStatus(*table).contains("changes nothing"), qPrintable(tableStatus(*table)));
    QCOMPARE(scripts(folder), before);
    QVERIFY(!control<QAction>(*table, "mnuTableUndo")->isEnabled());
}

// Three cells edited as a spreadsheet would, one of them with a letter past
// ASCII, the file saved in Windows-1252, and a row added of a definition
// that is not there; one change unticked: only the other two lines change.
void TableWindowTest::anEditedCsvChangesExactlyItsCells()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    const QList<QByteArray> before = scripts(folder);
    const QString csv = folder.path("items.csv");
    exportTo(*table, csv);
    QByteArray edited = contents(csv).mid(3);
    QVERIFY(replaceInRow(edited, "0284,items/gargish.scp,", ",t_armor,", ",t_armor_light,"));
    QVERIFY(replaceInRow(edited, "014f1,items/deed.scp,", "Ship Plans (Blank)", "Ship Plans (\xC3\xA9t\xC3\xA9)"));
    QVERIFY(replaceInRow(edited, "031b1,items/misc.scp,", "Invisible Tile 031b1", "Visible Tile"));
    edited += "i_gone,items/gargish.scp\r\n";
    writeFile(csv, QByteArray::fromStdString(windows1252FromUtf8(edited.toStdString()).bytes));
    Preview shown;
    importFrom(*table, csv, &shown, true, "031b1");
    QCOMPARE(shown.changes, 3);
    QVERIFY2(shown.summary.contains("Windows-1252"), qPrintable(shown.summary));
    QVERIFY2(shown.skipped.contains("i_gone in items/gargish.scp: No definition of that name is in that file."),
             qPrintable(shown.skipped));
    const QByteArray armor = "DEFNAME=i_gargish_stone_arms\nNAME=Gargish stone arms\nTYPE=t_armor";
    QCOMPARE(contents(folder.gargish()), QByteArray(before[0]).replace(armor + '\n', armor + "_light\n"));
    QCOMPARE(contents(folder.deed()), QByteArray(before[3]).replace("Ship Plans (Blank)", "Ship Plans (\xC3\xA9t\xC3\xA9)"));
    QCOMPARE(contents(folder.misc()), before[1]);
    QCOMPARE(contents(folder.magery()), before[2]);
    control<QAction>(*table, "mnuTableUndo")->trigger();
    QCOMPARE(scripts(folder), before);
}

void TableWindowTest::aCsvThatCannotBeReadChangesNothing()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    const QList<QByteArray> before = scripts(folder);
    const QString csv = folder.path("bad.csv");
    writeFile(csv, "Definition,File,VALUE\r\n014ef,items/deed.scp,\"5\r\n");
    importFrom(*table, csv);
    QVERIFY2(tableStatus(*table).contains("line 2: A quoted field is never closed. Nothing was changed."),
             qPrintable(tableStatus(*table)));
    writeFile(csv, "Name,VALUE\r\ni_deed,5\r\n");
    importFrom(*table, csv);
    QVERIFY2(tableStatus(*table).contains("must name the columns"), qPrintable(tableStatus(*table)));

    // A column of no key an item takes, and 100,000 rows of definitions that are not there.
    QByteArray many = "Definition,File,VALUE,NO_SUCH_KEY\r\n014EF,items/deed.scp,5,x\r\n";
    for (int row = 0; row < 100000; ++row)
        many += "i_nothing_" + QByteArray::number(row) + ",items/deed.scp,1,2\r\n";
    writeFile(csv, many);
    Preview shown;
    importFrom(*table, csv, &shown, false);
    QCOMPARE(shown.changes, 1);
    QVERIFY2(shown.summary.contains("100,000 rows skipped; 1 column refused"), qPrintable(shown.summary));
    QVERIFY2(shown.skipped.startsWith("Column 4 (NO_SUCH_KEY): Definitions of this kind take no such key."),
             qPrintable(shown.skipped.left(200)));
    QCOMPARE(scripts(folder), before);
    QVERIFY(!control<QAction>(*table, "mnuTableUndo")->isEnabled());
}

DEFWRIGHT_WINDOW_TEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
