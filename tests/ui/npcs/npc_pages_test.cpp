#include "core/npcs/npc_script.h"
#include "field_typing.h"
#include "window_probe.h"
#include "worked_examples.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kNpcPane = QStringLiteral("txtnEdit");

} // namespace

class NpcPagesTest : public QObject {
    Q_OBJECT

private slots:
    void typingTheTrollGuardWritesItsScript();
    void switchButtonsShowOneFrameAtATime();
    void triggerButtonsInsertAtTheCaret();
};

void NpcPagesTest::typingTheTrollGuardWritesItsScript()
{
    MainWindow window;
    loadAndShow(window);
    QCOMPARE(paneText(window, kNpcPane), QString());

    samples::typeNpc(window, samples::trollGuard());
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(samples::trollGuard())));
    QVERIFY(caretAtEnd(*control<ScriptPane>(window, kNpcPane)));
    QCOMPARE(paneText(window, QStringLiteral("txtEdit")), QString());

    // The brain box emptied by hand still gives its line.
    auto* brain = control<QComboBox>(window, QStringLiteral("cmbbrain"));
    brain->lineEdit()->selectAll();
    QTest::keyClick(brain->lineEdit(), Qt::Key_Backspace);
    QVERIFY(paneText(window, kNpcPane).contains(QStringLiteral("\r\nNPC=\r\n")));
}

void NpcPagesTest::switchButtonsShowOneFrameAtATime()
{
    MainWindow window;
    loadAndShow(window);
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 2);
    auto* basic = control(window, QStringLiteral("frmnpcdefs"));
    auto* create = control(window, QStringLiteral("frmcreate"));
    auto* toCreate = control<QPushButton>(window, QStringLiteral("Command2"));
    auto* toBasic = control<QPushButton>(window, QStringLiteral("Command3"));
    QVERIFY(basic->isVisible() && !create->isVisible() && toCreate->isVisible() && toBasic->isVisible());

    QTest::mouseClick(toCreate, Qt::LeftButton);
    QVERIFY(!basic->isVisible() && create->isVisible() && !toCreate->isVisible() && toBasic->isVisible());
    QTest::keyClicks(control(window, QStringLiteral("txth(2)")), QStringLiteral("200"));
    NpcRecord npc;
    npc.stats[2].low = "200";
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(npc)));

    QTest::mouseClick(toBasic, Qt::LeftButton);
    QVERIFY(basic->isVisible() && !create->isVisible() && toCreate->isVisible() && !toBasic->isVisible());
    QTest::keyClicks(control(window, QStringLiteral("txtnBasic(1)")), QStringLiteral("troll"));
    npc.basic[0] = "troll";
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(npc)));
}

void NpcPagesTest::triggerButtonsInsertAtTheCaret()
{
    MainWindow window;
    QVERIFY(showActive(window));
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 3);
    auto* userClick = control<QPushButton>(window, QStringLiteral("cmdntriggers(0)"));
    QTest::mouseClick(userClick, Qt::LeftButton);
    QCOMPARE(paneText(window, kNpcPane), QStringLiteral("\r\n\r\nON=@USERCLICK\r\n"));
    QCOMPARE(QApplication::focusWidget(), userClick);

    samples::typeNpc(window, samples::trollGuard());
    QTest::mouseClick(userClick, Qt::LeftButton);
    QTest::mouseClick(control(window, QStringLiteral("cmdntriggers(7)")), Qt::LeftButton);
    QVERIFY(paneText(window, kNpcPane)
                .endsWith(QStringLiteral("TACTICS={ 80.0}\r\n\r\nON=@USERCLICK\r\n\r\n\r\nON=@HIT\r\n")));

    QTest::keyClicks(control(window, QStringLiteral("txtndef")), QStringLiteral("2"));
    QVERIFY(paneText(window, kNpcPane).endsWith(QStringLiteral("TACTICS={ 80.0}")));
}

QTEST_MAIN(NpcPagesTest)
#include "npc_pages_test.moc"
