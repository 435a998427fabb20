#include "core/items/item_script.h"
#include "field_typing.h"
#include "scripts_folder_fixture.h"
#include "window_test_main.h"
#include "worked_examples.h"

#include <QComboBox>
#include <QLineEdit>

using namespace defwright;
using namespace defwright::test;

namespace {

QString basicBox(int index)
{
    return QStringLiteral("txtBasic(%1)").arg(index);
}

} // namespace

class ItemPagesTest : public QObject {
    Q_OBJECT

private slots:
    void typingTheMagicSwordWritesItsScript();
    void onlyTheScripterEnteringABasicFieldRebuilds();
    void triggerButtonsInsertAtTheCaret();
    void typingInAFieldIsOneUndoStep();
};

// A type typed into the list's box is written as typed, never completed.
void ItemPagesTest::typingTheMagicSwordWritesItsScript()
{
    MainWindow window;
    loadAndShow(window);
    QCOMPARE(paneText(window, kItemPane), QString());
    samples::typeItem(window, samples::magicSword());
    const QString script = qt(itemScript(samples::magicSword()));
    QCOMPARE(paneText(window, kItemPane), script);
    QCOMPARE(document(window, kItemPane)->caretLine(), script.count(QStringLiteral("\r\n")));

    auto* type = control<QComboBox>(window, QStringLiteral("txtType(1)"));
    const int listed = type->count();
    type->lineEdit()->selectAll();
    QTest::keyClicks(type, QStringLiteral("T_W"));
    QTest::keyClick(type, Qt::Key_Return);
    QCOMPARE(type->currentText(), QStringLiteral("T_W"));
    QCOMPARE(type->count(), listed);
    QVERIFY(paneText(window, kItemPane).contains(QStringLiteral("\r\nTYPE=T_W\r\n")));
}

// Tab and a click into a basic field write the script up to the axis lines;
// clicks into the other fields and the window's re-activation leave hand edits.
// A rebuild is one edit that Undo in the pane takes back.
void ItemPagesTest::onlyTheScripterEnteringABasicFieldRebuilds()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QTest::keyClicks(control(window, QStringLiteral("txtidef")), QStringLiteral("x"));
    control(window, QStringLiteral("txtidef"))->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ItemRecord item;
    item.identifier = "x";
    QCOMPARE(paneText(window, kItemPane), qt(itemFocusScript(item)));

    QTest::keyClicks(control(window, basicBox(0)), QStringLiteral("n"));
    QTest::keyClicks(caretToLine(window, kItemPane, 0), QStringLiteral("hand edit"));
    QTest::mouseClick(control(window, basicBox(7)), Qt::LeftButton);
    item.basic[0] = "n";
    QCOMPARE(paneText(window, kItemPane), qt(itemFocusScript(item)));

    QTest::keyClicks(caretToLine(window, kItemPane, 0), QStringLiteral("my own line"));
    const QString handEdited = paneText(window, kItemPane);
    for (const char* name : {"txtidef", "txtType(1)", "txtAxis(1)", "txticreatel", "txticreateh", "txtic"})
        QTest::mouseClick(control(window, QString::fromLatin1(name)), Qt::LeftButton, {}, QPoint(5, 5));
    control(window, basicBox(2))->setFocus(Qt::OtherFocusReason);
    QWidget other;
    QVERIFY(showActive(other));
    QVERIFY(showActive(window)); // the focus comes back to the basic field
    QCOMPARE(QApplication::focusWidget(), control(window, basicBox(2)));
    QCOMPARE(paneText(window, kItemPane), handEdited);

    QTest::keyClicks(control(window, basicBox(0)), QStringLiteral("b"));
    QVERIFY(!paneText(window, kItemPane).contains(QStringLiteral("my own line")));
    control(window, kItemPane)->setFocus();
    const std::pair<Qt::Key, QString> steps[] = {
        {Qt::Key_Z, handEdited}, {Qt::Key_Z, qt(itemFocusScript(item))}, {Qt::Key_Y, handEdited}};
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        QCOMPARE(paneText(window, kItemPane), expected);
    }
}

// A click inserts its trigger's block at the caret, or over the selection, and
// leaves the caret after it.
void ItemPagesTest::triggerButtonsInsertAtTheCaret()
{
    MainWindow window;
    QVERIFY(showActive(window));
    showPage(window, 1);
    auto* onClick = control(window, QStringLiteral("cmdtriggers(0)"));
    QTest::mouseClick(onClick, Qt::LeftButton);
    QCOMPARE(paneText(window, kItemPane), QStringLiteral("\r\n\r\nON=@CLICK\r\n"));
    QCOMPARE(QApplication::focusWidget(), onClick);

    document(window, kItemPane)->replaceScript(QStringLiteral("selected\r\nkept"));
    QTest::keyClick(caretToLine(window, kItemPane, 0), Qt::Key_End, Qt::ShiftModifier);
    QTest::mouseClick(control(window, QStringLiteral("cmdtriggers(10)")), Qt::LeftButton);
    QTest::keyClicks(control(window, kItemPane), QStringLiteral("X"));
    QCOMPARE(paneText(window, kItemPane), QStringLiteral("\r\n\r\nON=@DROPON_GROUND\r\nX\r\nkept"));
}

// Each keystroke writes the script again, yet Ctrl+Z in the pane takes back
// the whole word typed into one field; another field starts a step of its own.
void ItemPagesTest::typingInAFieldIsOneUndoStep()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const auto script = [](const std::string& name, const std::string& color) {
        ItemRecord item;
        item.basic[0] = name;
        item.color = color;
        return qt(itemScript(item));
    };
    QTest::mouseClick(control(window, QStringLiteral("txtidef")), Qt::LeftButton);
    QTest::keyClicks(control(window, basicBox(0)), QStringLiteral("magic"));
    QTest::mouseClick(control(window, QStringLiteral("txtic")), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0481"));
    QTest::keyClicks(control(window, basicBox(0)), QStringLiteral(" sword"));
    QCOMPARE(paneText(window, kItemPane), script("magic sword", "0481"));

    showPage(window, 1);
    control(window, kItemPane)->setFocus();
    const std::pair<Qt::Key, QString> steps[] = {{Qt::Key_Z, script("magic", "0481")},
                                                 {Qt::Key_Z, script("magic", "")},
                                                 {Qt::Key_Z, QString()},
                                                 {Qt::Key_Y, script("magic", "")}};
    for (const auto& [key, expected] : steps) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
        QCOMPARE(paneText(window, kItemPane), expected);
    }
}

DEFWRIGHT_WINDOW_TEST_MAIN(ItemPagesTest)
#include "item_pages_test.moc"
