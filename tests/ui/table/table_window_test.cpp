#include "table_test_support.h"

#include "core/table/cell_order.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>

using namespace defwright;
using namespace defwright::test;

namespace {

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

} // namespace

class TableWindowTest : public QObject {
    Q_OBJECT

private slots:
    void showsEveryItemAndEnterOpensIt();
    void sortsByAnyColumn();
    void filtersWithOneBox();
    void chosenColumnsAreRemembered();
};

void TableWindowTest::showsEveryItemAndEnterOpensIt()
{
    OpenTable open;
    auto& [folder, window, table] = open;
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

    // Enter, as Go to Definition: the file opens in the item pane, the header's line at the caret.
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

// Numbers as numbers and ids in any form as numbers; empty cells last either way.
void TableWindowTest::sortsByAnyColumn()
{
    OpenTable open;
    auto& [folder, window, table] = open;
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
    OpenTable open;
    auto& [folder, window, table] = open;
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

void TableWindowTest::chosenColumnsAreRemembered()
{
    TableFolder folder;
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

DEFWRIGHT_WINDOW_TEST_MAIN(TableWindowTest)
#include "table_window_test.moc"
