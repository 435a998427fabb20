#include "core/npcs/npc_script.h"
#include "field_typing.h"
#include "scripts_folder_fixture.h"
#include "window_test_main.h"
#include "worked_examples.h"

#include <QComboBox>
#include <QLineEdit>

using namespace defwright;
using namespace defwright::test;

namespace {

// Which of the basic frame, the create frame, "@Create" and "Basic NPC Defs" show.
QString shown(const QWidget& window)
{
    QString seen;
    for (const char* name : {"frmnpcdefs", "frmcreate", "Command2", "Command3"})
        seen += control(window, QString::fromLatin1(name))->isVisible() ? u'1' : u'0';
    return seen;
}

} // namespace

class NpcPagesTest : public QObject {
    Q_OBJECT

private slots:
    void typingTheTrollGuardWritesItsScript();
    void switchButtonsShowOneFrameAtATime();
};

void NpcPagesTest::typingTheTrollGuardWritesItsScript()
{
    MainWindow window;
    loadAndShow(window);
    samples::typeNpc(window, samples::trollGuard());
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(samples::trollGuard())));
    QCOMPARE(paneText(window, QStringLiteral("txtEdit")), QString());
    showPage(window, 3);
    QTest::mouseClick(control(window, QStringLiteral("cmdntriggers(7)")), Qt::LeftButton);
    QVERIFY(paneText(window, kNpcPane).endsWith(QStringLiteral("TACTICS={ 80.0}\r\n\r\nON=@HIT\r\n")));

    // The brain box emptied by hand still gives its line, rebuilding the script.
    auto* brain = control<QComboBox>(window, QStringLiteral("cmbbrain"));
    brain->lineEdit()->selectAll();
    QTest::keyClick(brain->lineEdit(), Qt::Key_Backspace);
    QVERIFY(paneText(window, kNpcPane).contains(QStringLiteral("\r\nNPC=\r\n")));
}

void NpcPagesTest::switchButtonsShowOneFrameAtATime()
{
    MainWindow window;
    loadAndShow(window);
    showPage(window, 2);
    QCOMPARE(shown(window), QStringLiteral("1011"));
    QTest::mouseClick(control(window, QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(shown(window), QStringLiteral("0101"));
    QTest::keyClicks(control(window, QStringLiteral("txth(2)")), QStringLiteral("200"));
    QTest::mouseClick(control(window, QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(shown(window), QStringLiteral("1010"));
    QTest::keyClicks(control(window, QStringLiteral("txtnBasic(1)")), QStringLiteral("troll"));
    NpcRecord npc;
    npc.stats[2].low = "200";
    npc.basic[0] = "troll";
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(npc)));
}

DEFWRIGHT_WINDOW_TEST_MAIN(NpcPagesTest)
#include "npc_pages_test.moc"
