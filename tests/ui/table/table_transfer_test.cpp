#include "table_test_support.h"

#include "core/files/windows_1252.h"

#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace defwright;
using namespace defwright::test;

namespace {

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

class TableTransferTest : public QObject {
    Q_OBJECT

private slots:
    void anEditedCsvChangesExactlyItsCells();
    void aCsvThatCannotBeReadChangesNothing();
};

// Exported and imported as it is, the table changes nothing. Then three
// cells edited as a spreadsheet would, one of them with a letter past ASCII,
// the file saved in Windows-1252, and a row added of a definition that is
// not there; one change unticked: only the other two lines change.
void TableTransferTest::anEditedCsvChangesExactlyItsCells()
{
    OpenTable open;
    auto& [folder, window, table] = open;
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

void TableTransferTest::aCsvThatCannotBeReadChangesNothing()
{
    OpenTable open;
    auto& [folder, window, table] = open;
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

DEFWRIGHT_WINDOW_TEST_MAIN(TableTransferTest)
#include "table_transfer_test.moc"
