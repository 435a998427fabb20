#include "../files/file_test_support.h"
#include "field_boxes.h"
#include "window_test_main.h"

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kItemPane = QStringLiteral("txtEdit");
const QString kName = QStringLiteral("txtBasic(0)");
const QString kValue = QStringLiteral("txtBasic(8)");

const std::string kItems = "// weapons\r\n"
                           "[ITEMDEF 0f5e] // broadsword\r\n"
                           "DEFNAME=i_broadsword\r\n"
                           "NAME=Aegis //the shield\r\n"
                           "\tVALUE = 1500\r\n"
                           "TYPE=T_WEAPON_SWORD\r\n"
                           "\r\n"
                           "[ITEMDEF i_lantern]\r\n"
                           "NAME=lantern\r\n";

void tieSword(MainWindow& window)
{
    showPage(window, 1);
    itemPane(window)->replaceScript(qt(kItems));
    QTest::keyClick(caretToLine(window, kItemPane, 1), Qt::Key_R, Qt::ControlModifier);
}

void undoInPane(const MainWindow& window, Qt::Key key = Qt::Key_Z)
{
    QTest::keyClick(itemPane(window), key, Qt::ControlModifier);
}

} // namespace

class TiedFieldTypingTest : public QObject {
    Q_OBJECT

private slots:
    void aWordTypedIntoATiedFieldIsOneUndoStep();
    void typingThatChangesNothingLeavesNoStepToTakeOver();
    void aValueEmptiedAndTypedAgainKeepsItsLine();
};

// The word stays in its box while each keystroke takes over the step of the
// one before; another field, without a move of the focus, starts a new step.
void TiedFieldTypingTest::aWordTypedIntoATiedFieldIsOneUndoStep()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieSword(window);
    typeAtEnd(window, kName, QStringLiteral(" of Kings"));
    QCOMPARE(box(window, kName)->text(), QStringLiteral("Aegis of Kings"));
    const std::string named = replaced(kItems, "=Aegis //", "=Aegis of Kings //");
    QCOMPARE(paneBytes(window), named);
    typeAtEnd(window, kValue, QStringLiteral("00"));
    QCOMPARE(paneBytes(window), replaced(named, "= 1500\r", "= 150000\r"));

    undoInPane(window);
    QCOMPARE(paneBytes(window), named);
    QCOMPARE(box(window, kValue)->text(), QStringLiteral("1500"));
    undoInPane(window);
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(box(window, kName)->text(), QStringLiteral("Aegis"));
    undoInPane(window, Qt::Key_Y);
    QCOMPARE(paneBytes(window), named);

    typeAtEnd(window, kName, QStringLiteral("!"));
    QTest::keyClick(box(window, kName), Qt::Key_Backspace);
    typeAtEnd(window, kName, QStringLiteral("?"));
    undoInPane(window);
    QCOMPARE(paneBytes(window), named);
}

// Emptied, the value's line goes; typed again, the step is made from the
// definition before the emptying, which still has the line to change.
void TiedFieldTypingTest::aValueEmptiedAndTypedAgainKeepsItsLine()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieSword(window);
    emptyBox(window, kValue);
    QCOMPARE(paneBytes(window), replaced(kItems, "\tVALUE = 1500\r\n", ""));
    typeAtEnd(window, kValue, QStringLiteral("7"));
    QCOMPARE(paneBytes(window), replaced(kItems, "= 1500\r", "= 7\r"));
    undoInPane(window);
    QCOMPARE(paneBytes(window), kItems);
}

// A keystroke whose field leaves the definition as it was made no step: the
// next one must not undo the step before the typing.
void TiedFieldTypingTest::typingThatChangesNothingLeavesNoStepToTakeOver()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieSword(window);
    typeAtEnd(window, kName, QStringLiteral("x"));
    QTest::keyClick(box(window, kName), Qt::Key_Backspace);
    QCOMPARE(paneBytes(window), kItems);
    typeAtEnd(window, kName, QStringLiteral("y"));
    QCOMPARE(paneBytes(window), replaced(kItems, "=Aegis //", "=Aegisy //"));
    undoInPane(window);
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(box(window, kName)->text(), QStringLiteral("Aegis"));
}

DEFWRIGHT_WINDOW_TEST_MAIN(TiedFieldTypingTest)
#include "tied_field_typing_test.moc"
