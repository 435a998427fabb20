#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "field_typing.h"
#include "window_probe.h"
#include "worked_examples.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kItemPane = QStringLiteral("txtEdit");

QString basicBox(int index)
{
    return QStringLiteral("txtBasic(%1)").arg(index);
}

QString trigger(int index)
{
    return QStringLiteral("cmdtriggers(%1)").arg(index);
}

} // namespace

class ItemPagesTest : public QObject {
    Q_OBJECT

private slots:
    void typingTheMagicSwordWritesItsScript();
    void typedTypeIsWrittenAsTypedWithoutCompletion();
    void enteringABasicFieldRebuildsUpToTheAxisLines();
    void onlyTheScripterEnteringABasicFieldRebuilds();
    void triggerButtonsInsertAtTheCaret();
    void rebuildIsOneUndoableEdit();
};

void ItemPagesTest::typingTheMagicSwordWritesItsScript()
{
    MainWindow window;
    loadAndShow(window);
    QCOMPARE(paneText(window, kItemPane), QString());
    QCOMPARE(paneText(window, QStringLiteral("txtnEdit")), QString());

    samples::typeItem(window, samples::magicSword());
    QCOMPARE(paneText(window, kItemPane), qt(itemScript(samples::magicSword())));
    const ScriptPane* pane = control<ScriptPane>(window, kItemPane);
    QVERIFY(caretAtEnd(*pane));
}

void ItemPagesTest::typedTypeIsWrittenAsTypedWithoutCompletion()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* type = control<QComboBox>(window, QStringLiteral("txtType(1)"));
    QTest::keyClicks(type, QStringLiteral("T_W"));
    QTest::keyClick(type, Qt::Key_Return);
    QCOMPARE(type->currentText(), QStringLiteral("T_W"));
    QCOMPARE(type->count(), 6);
    QVERIFY(paneText(window, kItemPane).contains(QStringLiteral("\r\nTYPE=T_W\r\n")));

    type->setCurrentIndex(3); // a pick from the list rebuilds at once
    QVERIFY(paneText(window, kItemPane).contains(QStringLiteral("\r\nTYPE=T_NORMAL\r\n")));
}

void ItemPagesTest::enteringABasicFieldRebuildsUpToTheAxisLines()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* identifier = control<QLineEdit>(window, QStringLiteral("txtidef"));
    identifier->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(identifier, QStringLiteral("x"));
    QVERIFY(paneText(window, kItemPane).endsWith(QStringLiteral("ON=@CREATE")));

    QTest::keyClick(identifier, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(window, basicBox(0)));
    ItemRecord item;
    item.identifier = "x";
    QCOMPARE(paneText(window, kItemPane), qt(itemFocusScript(item)));

    QTest::keyClicks(control(window, basicBox(0)), QStringLiteral("n"));
    control<ScriptPane>(window, kItemPane)->insertScript(QStringLiteral("hand edit"));
    QTest::mouseClick(control(window, basicBox(7)), Qt::LeftButton);
    item.basic[0] = "n";
    QCOMPARE(paneText(window, kItemPane), qt(itemFocusScript(item)));
}

void ItemPagesTest::onlyTheScripterEnteringABasicFieldRebuilds()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QTest::keyClicks(control(window, basicBox(0)), QStringLiteral("sword"));
    auto* pane = control<ScriptPane>(window, kItemPane);
    pane->insertScript(QStringLiteral("\r\nmy own line"));
    const QString handEdited = pane->script();

    for (const char* name : {"txtidef", "txtType(1)", "txtAxis(1)", "txticreatel", "txticreateh", "txtic"})
        QTest::mouseClick(control(window, QString::fromLatin1(name)), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(pane->script(), handEdited);

    control(window, basicBox(2))->setFocus(Qt::OtherFocusReason);
    QWidget other;
    QVERIFY(showActive(other));
    QVERIFY(showActive(window)); // the focus comes back to the basic field
    QCOMPARE(QApplication::focusWidget(), control(window, basicBox(2)));
    QCOMPARE(pane->script(), handEdited);
}

void ItemPagesTest::triggerButtonsInsertAtTheCaret()
{
    MainWindow window;
    QVERIFY(showActive(window));
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    auto* click = control<QPushButton>(window, trigger(0));
    QTest::mouseClick(click, Qt::LeftButton);
    QCOMPARE(paneText(window, kItemPane), QStringLiteral("\r\n\r\nON=@CLICK\r\n"));
    QCOMPARE(QApplication::focusWidget(), click);

    samples::typeItem(window, samples::magicSword());
    QTest::mouseClick(click, Qt::LeftButton);
    QTest::mouseClick(control(window, trigger(1)), Qt::LeftButton);
    QVERIFY(paneText(window, kItemPane)
                .endsWith(QStringLiteral("COLOR=0481\r\n\r\nON=@CLICK\r\n\r\n\r\nON=@DCLICK\r\n")));

    auto* pane = control<ScriptPane>(window, kItemPane);
    pane->setSelection(0, 0, 0, pane->lineLength(0) - 2); // the first line, without its CR LF
    QTest::mouseClick(control(window, trigger(10)), Qt::LeftButton);
    QVERIFY(paneText(window, kItemPane).startsWith(QStringLiteral("\r\n\r\nON=@DROPON_GROUND\r\n\r\n//Defwright: ")));
    QCOMPARE(caretPosition(*pane), QStringLiteral("\r\n\r\nON=@DROPON_GROUND\r\n").size());

    QTest::keyClicks(control(window, QStringLiteral("txtic")), QStringLiteral("1"));
    QCOMPARE(paneText(window, kItemPane), qt(itemScript([] {
                 ItemRecord item = samples::magicSword();
                 item.color += "1";
                 return item;
             }())));
}

void ItemPagesTest::rebuildIsOneUndoableEdit()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* name = control(window, basicBox(0));
    QTest::keyClicks(name, QStringLiteral("a"));
    const QString generated = paneText(window, kItemPane);
    auto* pane = control<ScriptPane>(window, kItemPane);
    pane->setFocus();
    QTest::keyClicks(pane, QStringLiteral("xyz"));
    const QString handEdited = pane->script();
    QCOMPARE(handEdited, generated + QStringLiteral("xyz"));

    QTest::keyClicks(name, QStringLiteral("b"));
    QVERIFY(!pane->script().contains(QStringLiteral("xyz")));
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane->script(), handEdited);
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane->script(), generated);
    QTest::keyClick(pane, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(pane->script(), handEdited);
}

QTEST_MAIN(ItemPagesTest)
#include "item_pages_test.moc"
