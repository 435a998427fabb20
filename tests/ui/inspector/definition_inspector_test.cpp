#include "inspector_probe.h"
#include "window_test_main.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLabel>
#include <QSettings>

using namespace defwright;
using namespace defwright::test;

namespace {

constexpr int kChestLine = 7; // "id=..." of the first chest, from 0

std::string chests()
{
    return contents(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/items/i_dungeon_chest.scp")).toStdString();
}

const QStringList kFirstChest = {"itemdef|i_dungeon_chest1|", "id|i_chest_wooden_brass|", "type|t_container|",
                                 "tevents|t_dungeon_chest|", "on|@create, 13 lines|"};

} // namespace

class DefinitionInspectorTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheCaretAndTheDocumentInFront();
    void aValueEditChangesOnlyItsBytesInOneUndoStep_data();
    void aValueEditChangesOnlyItsBytesInOneUndoStep();
    void deleteTakesTheRowsLineAway();
    void insertAddsAKeyChosenWithCompletion();
    void aTriggerRowTakesTheCaretThere_data();
    void aTriggerRowTakesTheCaretThere();
    void problemsMarkTheirRowsAndGoWithAHandEdit();
    void theTieAndTheInspectorEditOneDefinition();
    void theKeyboardReachesEverything();
    void beingShownIsKeptForTheNextStart();
};

void DefinitionInspectorTest::followsTheCaretAndTheDocumentInFront()
{
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, chests(), kChestLine);
    QCOMPARE(rowTexts(window), kFirstChest);
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblInspectorPlace"))->text(),
             QStringLiteral("[itemdef i_dungeon_chest1] in script.scp, line 7"));
    QCOMPARE(rows(window)->currentIndex().row(), 1);
    caretToLine(window, kItemPane, 36);
    QTRY_COMPARE(cell(window, 0, kValue), QStringLiteral("i_dungeon_chest2"));
    QCOMPARE(rows(window)->currentIndex().row(), 4); // the caret stands in the trigger's lines
    QTest::keyClick(itemPane(window), Qt::Key_F6, Qt::ControlModifier); // the form's own script, empty
    QTRY_COMPARE(rows(window)->model()->rowCount(), 0);
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblInspectorPlace"))->text(),
             QStringLiteral("The caret is in no definition."));
    QTest::keyClick(itemPane(window), Qt::Key_F6, Qt::ControlModifier);
    QTRY_COMPARE(cell(window, 0, kValue), QStringLiteral("i_dungeon_chest2"));
}

void DefinitionInspectorTest::aValueEditChangesOnlyItsBytesInOneUndoStep_data()
{
    QTest::addColumn<std::string>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<std::string>("edited");
    QTest::addColumn<int>("line");
    for (const char* lineBreak : {"\n", "\r\n", "\r", "mixed"}) {
        const std::string text = withBreaks(chests(), lineBreak);
        QTest::newRow(qPrintable(QStringLiteral("a real file, %1").arg(QString(lineBreak).toUtf8().toHex())))
            << text << "type" << "t_chest" << replaced(text, "type=t_container", "type=t_chest")
            << kChestLine;
    }
    const std::string sword = "[ITEMDEF 0f5e] // broadsword\r\nNAME = Aegis //the shield\r\n\tVALUE = 1500\r\n";
    QTest::newRow("blanks and a comment kept") << sword << "NAME" << "Aegis of Kings"
                                                << replaced(sword, "= Aegis //", "= Aegis of Kings //") << 1;
    QTest::newRow("a tab kept, a letter beyond ASCII") << sword << "VALUE" << QStringLiteral("15\u00e9")
                                           << replaced(sword, "= 1500", "= 15\xc3\xa9") << 1;
}

// Ctrl+Z in the pane undoes the whole edit, and the rows follow it back.
void DefinitionInspectorTest::aValueEditChangesOnlyItsBytesInOneUndoStep()
{
    QFETCH(std::string, text);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(std::string, edited);
    QFETCH(int, line);
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, text, line);
    const int row = rowOf(window, key);
    const QString before = cell(window, row, kValue);
    editValue(window, row, value);
    QCOMPARE(paneBytes(window), edited);
    QCOMPARE(cell(window, row, kValue), value);
    QTest::keyClick(itemPane(window), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(paneBytes(window), text);
    QTRY_COMPARE(cell(window, row, kValue), before);
    QTest::keyClick(itemPane(window), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(paneBytes(window), edited);
}

void DefinitionInspectorTest::deleteTakesTheRowsLineAway()
{
    MainWindow window;
    QTemporaryDir dir;
    const std::string text = chests();
    inspect(window, dir, text, kChestLine);
    pressOnRow(window, rowOf(window, "tevents"), Qt::Key_Delete);
    QCOMPARE(paneBytes(window), replaced(text, "tevents=t_dungeon_chest\n", ""));
    QCOMPARE(rowTexts(window), kFirstChest.mid(0, 3) + kFirstChest.mid(4));
    QVERIFY(rows(window)->hasFocus());
    pressOnRow(window, rowOf(window, "on"), Qt::Key_Delete); // the triggers are the pane's
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblInspectorNote"))->text(),
             QStringLiteral("The header and the triggers are taken away in the pane."));
    QTest::keyClick(itemPane(window), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(paneBytes(window), text);
    QTRY_COMPARE(rowTexts(window), kFirstChest);
}

// The line goes after the last body line, in the file's own line breaks.
void DefinitionInspectorTest::insertAddsAKeyChosenWithCompletion()
{
    MainWindow window;
    QTemporaryDir dir;
    const std::string text = withBreaks(chests(), "\r");
    inspect(window, dir, text, kChestLine);
    QStringList offered;
    ModalAnswers answers;
    answers.then([&offered](QWidget* modal) { // "wei", the completer's first offer, "5"
        // The dialog's activation, arriving after the list showed, would close it.
        QTRY_COMPARE(QApplication::activeWindow(), modal);
        auto* key = modal->findChild<QLineEdit*>(QStringLiteral("txtNewKey"));
        QTest::keyClicks(key, QStringLiteral("wei"));
        QCompleter* completer = key->completer();
        QTRY_VERIFY(completer->popup()->isVisible());
        for (int row = 0; row < completer->completionCount(); ++row) {
            completer->setCurrentRow(row);
            offered << completer->currentCompletion();
        }
        QTest::keyClick(completer->popup(), Qt::Key_Down);
        QTest::keyClick(completer->popup(), Qt::Key_Return);
        auto* value = modal->findChild<QLineEdit*>(QStringLiteral("txtNewValue"));
        QTRY_COMPARE(QApplication::focusWidget(), value);
        QTest::keyClicks(value, QStringLiteral("5"));
        QTest::keyClick(value, Qt::Key_Return);
    });
    pressOnRow(window, 1, Qt::Key_Insert);
    QVERIFY(answeredAll(answers));
    QCOMPARE(offered, QStringList({"WEIGHT", "WEIGHTREDUCTION"}));
    QCOMPARE(paneBytes(window), replaced(text, "t_dungeon_chest\r", "t_dungeon_chest\rWEIGHT=5\r"));
    QCOMPARE(cell(window, 4, kKey), QStringLiteral("WEIGHT"));
    QCOMPARE(rows(window)->currentIndex().row(), 4);
    QTest::keyClick(itemPane(window), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(paneBytes(window), text);
}

void DefinitionInspectorTest::aTriggerRowTakesTheCaretThere_data()
{
    QTest::addColumn<std::string>("lineBreak");
    for (const char* lineBreak : {"\n", "\r\n", "\r", "mixed"})
        QTest::newRow(QByteArray(lineBreak).toHex().constData()) << std::string(lineBreak);
}

void DefinitionInspectorTest::aTriggerRowTakesTheCaretThere()
{
    QFETCH(std::string, lineBreak);
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, withBreaks(chests(), lineBreak), kChestLine);
    pressOnRow(window, rowOf(window, "on"), Qt::Key_Return);
    QVERIFY(itemPane(window)->hasFocus());
    QCOMPARE(caretLine(window, kItemPane), 11);
    const QPoint header = rows(window)->visualRect(rows(window)->model()->index(0, 0)).center();
    QTest::mouseClick(rows(window)->viewport(), Qt::LeftButton, {}, header);
    QTest::mouseDClick(rows(window)->viewport(), Qt::LeftButton, {}, header);
    QCOMPARE(caretLine(window, kItemPane), 6);
}

void DefinitionInspectorTest::problemsMarkTheirRowsAndGoWithAHandEdit()
{
    MainWindow window;
    QTemporaryDir dir;
    inspect(window, dir, "[ITEMDEF i_x]\nWEIGTH=5\nNAME=x\nstray words\n", 2);
    for (const int row : {1, 3}) {
        QTRY_VERIFY(!rows(window)->model()->index(row, 0).data(Qt::DecorationRole).isNull());
        QVERIFY(cell(window, row, 0, Qt::ToolTipRole).startsWith(QStringLiteral("Warning: ")));
        QCOMPARE(cell(window, row, 1, Qt::AccessibleDescriptionRole), cell(window, row, 0, Qt::ToolTipRole));
    }
    QVERIFY(rows(window)->model()->index(2, 0).data(Qt::DecorationRole).isNull());
    caretToLine(window, kItemPane, 1);
    for (int letter = 0; letter < 6; ++letter)
        QTest::keyClick(itemPane(window), Qt::Key_Delete);
    QTest::keyClicks(itemPane(window), QStringLiteral("WEIGHT"));
    QTRY_COMPARE(cell(window, 1, 0), QStringLiteral("WEIGHT"));
    QTRY_VERIFY(rows(window)->model()->index(1, 0).data(Qt::DecorationRole).isNull());
    QVERIFY(!rows(window)->model()->index(3, 0).data(Qt::DecorationRole).isNull());
}

// A value edited in the inspector shows in the tied fields, and a field
// typed into shows in the inspector; the pane holds both, nothing else.
void DefinitionInspectorTest::theTieAndTheInspectorEditOneDefinition()
{
    MainWindow window;
    QTemporaryDir dir;
    const std::string text = "[ITEMDEF 0f5e]\r\nNAME=Aegis\r\nVALUE=1500\r\nON=@Create\r\nCOLOR=0481\r\n";
    inspect(window, dir, text, 1);
    QTest::keyClick(itemPane(window), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(currentPage(window), 0);
    editValue(window, rowOf(window, "VALUE"), QStringLiteral("99"));
    QCOMPARE(box(window, QStringLiteral("txtBasic(8)"))->text(), QStringLiteral("99"));
    typeAtEnd(window, QStringLiteral("txtBasic(0)"), QStringLiteral("s"));
    QTRY_COMPARE(cell(window, rowOf(window, "NAME"), kValue), QStringLiteral("Aegiss"));
    QCOMPARE(paneBytes(window), replaced(replaced(text, "=1500", "=99"), "Aegis", "Aegiss"));
}

void DefinitionInspectorTest::theKeyboardReachesEverything()
{
    MainWindow window;
    QTemporaryDir dir;
    QVERIFY(showActive(window));
    openScript(window, dir, chests());
    caretToLine(window, kItemPane, kChestLine);
    const int width = window.width();
    showInspector(window);
    QTRY_COMPARE(rows(window)->model()->rowCount(), kFirstChest.size());
    QVERIFY(window.width() > width);
    QVERIFY(control<QAction>(window, QStringLiteral("mnuDefinitionInspector"))->isChecked());
    QCOMPARE(rows(window)->accessibleName(), QStringLiteral("Definition rows"));
    QCOMPARE(cell(window, 1, kValue, Qt::AccessibleTextRole), QStringLiteral("id=i_chest_wooden_brass"));
    QCOMPARE(cell(window, 4, 0, Qt::AccessibleTextRole), QStringLiteral("on=@create, 13 lines"));
    QTest::keyClick(rows(window), Qt::Key_Escape);
    QVERIFY(itemPane(window)->hasFocus());
    QVERIFY(inspector(window)->isVisible());
    QTest::keyClick(itemPane(window), Qt::Key_F4);
    QVERIFY(rows(window)->hasFocus());
    QTest::keyClick(rows(window), Qt::Key_F4);
    QVERIFY(!inspector(window)->isVisible());
    QVERIFY(itemPane(window)->hasFocus());
    QCOMPARE(window.width(), width);
    QVERIFY(!control<QAction>(window, QStringLiteral("mnuDefinitionInspector"))->isChecked());
}

// Shown with the command, it comes back; closed with its own button, it stays away.
// What an earlier run stopped halfway left in the test's settings goes first.
void DefinitionInspectorTest::beingShownIsKeptForTheNextStart()
{
    QSettings().clear();
    {
        MainWindow window;
        loadAndShow(window);
        QVERIFY(!inspector(window)->isVisible());
        control<QAction>(window, QStringLiteral("mnuDefinitionInspector"))->trigger();
        window.close();
    }
    {
        MainWindow window;
        loadAndShow(window);
        QVERIFY(inspector(window)->isVisible());
        QVERIFY(control<QAction>(window, QStringLiteral("mnuDefinitionInspector"))->isChecked());
        inspector(window)->close();
        window.close();
    }
    MainWindow window;
    loadAndShow(window);
    QVERIFY(!inspector(window)->isVisible());
}

DEFWRIGHT_WINDOW_TEST_MAIN(DefinitionInspectorTest)

#include "definition_inspector_test.moc"
