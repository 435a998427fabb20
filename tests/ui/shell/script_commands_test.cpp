#include "core/items/item_script.h"
#include "core/npcs/npc_script.h"
#include "modal_answers.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "window_probe.h"
#include "worked_examples.h"

#include <QLineEdit>
#include <QtTest>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kItemPane = QStringLiteral("txtEdit");
const QString kNpcPane = QStringLiteral("txtnEdit");

// Shows the pane's page, puts the script into the pane and the caret on the line
// (from 0), as the scripter would with the keyboard.
QWidget* caretInScript(MainWindow& window, const QString& paneName, const std::string& script, int line)
{
    auto* pane = control<ScriptPane>(window, paneName);
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", paneName == kItemPane ? 1 : 3);
    pane->replaceScript(qt(script));
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Home, Qt::ControlModifier);
    for (int down = 0; down < line; ++down)
        QTest::keyClick(pane, Qt::Key_Down);
    return pane;
}

void fieldsFromScript(QWidget* focus)
{
    QTest::keyClick(focus, Qt::Key_R, Qt::ControlModifier);
}

std::string joined(const std::string& first, const std::string& second)
{
    return first + "\r\n\r\n" + second;
}

int currentPage(const MainWindow& window)
{
    return control(window, QStringLiteral("SSTab1"))->property("currentIndex").toInt();
}

} // namespace

class ScriptCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void workedExamplesReadBackIntoEveryField();
    void theDefinitionAtTheCaretOfTheLastPaneIsRead();
    void unheldLinesAreAskedAboutNoFirst();
    void aCaretInNoDefinitionOfTheKindIsTold();
};

void ScriptCommandsTest::workedExamplesReadBackIntoEveryField()
{
    MainWindow window;
    loadAndShow(window);
    QVERIFY(showActive(window));
    const NpcRecord troll = [] {
        NpcRecord npc = samples::trollGuard();
        npc.stats[1] = {}; // no line carries KARMA's high value or skill slot 2
        npc.skills[2] = {};
        return npc;
    }();
    control<QPushButton>(window, QStringLiteral("Command2"))->click();

    fieldsFromScript(caretInScript(window, kItemPane, itemScript(samples::magicSword()), 8));
    QCOMPARE(control<ItemFieldsPage>(window, {})->record(), samples::magicSword());
    QCOMPARE(currentPage(window), 0);
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("txtidef")));

    fieldsFromScript(caretInScript(window, kNpcPane, npcScript(troll), 20));
    QVERIFY(window.findChild<NpcFieldsPage*>()->record() == troll);
    QCOMPARE(currentPage(window), 2);
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("txtndef")));
    QVERIFY(control(window, QStringLiteral("frmnpcdefs"))->isVisible());
    QVERIFY(!control(window, QStringLiteral("frmcreate"))->isVisible());
    QVERIFY(control(window, QStringLiteral("Command2"))->isVisible());
    QVERIFY(!control(window, QStringLiteral("Command3"))->isVisible());
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(troll)));
}

// Three definitions, the caret in the middle one; the command is given from a
// field box, so it reads the pane that last had the focus.
void ScriptCommandsTest::theDefinitionAtTheCaretOfTheLastPaneIsRead()
{
    MainWindow window;
    QVERIFY(showActive(window));
    NpcRecord first, middle, last;
    first.identifier = "first";
    middle.identifier = "middle";
    middle.basic[0] = "in the middle";
    last.identifier = "last";
    const std::string script = joined(joined(npcScript(first), npcScript(middle)), npcScript(last));
    caretInScript(window, kNpcPane, script, 14);
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 0);
    auto* name = control<QLineEdit>(window, QStringLiteral("txtBasic(0)"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("kept"));

    const ModalAnswers none; // the banners between the definitions are not asked about
    fieldsFromScript(name);
    QVERIFY(none.unexpected().isEmpty());
    QCOMPARE(window.findChild<NpcFieldsPage*>()->record().identifier, std::string("middle"));
    QCOMPARE(paneText(window, kNpcPane), qt(npcScript(middle)));
    QCOMPARE(name->text(), QStringLiteral("kept"));
}

void ScriptCommandsTest::unheldLinesAreAskedAboutNoFirst()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const std::string script = itemScript(samples::magicSword()) + "\r\nON=@CLICK\r\nSAY hello";
    QWidget* pane = caretInScript(window, kItemPane, script, 4);
    const ItemRecord before = control<ItemFieldsPage>(window, {})->record();

    ShownBox question;
    ModalAnswers answers;
    answers.then(press(QMessageBox::No, &question)).then(press(QMessageBox::Yes));
    fieldsFromScript(pane);
    QCOMPARE(question.title, QStringLiteral("Defwright"));
    QVERIFY2(question.text.contains(QStringLiteral("2 lines")), qPrintable(question.text));
    QVERIFY2(question.text.contains(QStringLiteral("Line 22: SAY hello")), qPrintable(question.text));
    QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.defaultButton, QMessageBox::No);
    QVERIFY(!question.underWaitCursor);
    QCOMPARE(control<ItemFieldsPage>(window, {})->record(), before);
    QCOMPARE(paneText(window, kItemPane), qt(script));
    QCOMPARE(currentPage(window), 1);

    QVERIFY(showActive(window)); // the offscreen platform does not give it back after the box
    fieldsFromScript(pane);
    QCOMPARE(answers.unused(), std::size_t(0));
    QCOMPARE(control<ItemFieldsPage>(window, {})->record(), samples::magicSword());
    QCOMPARE(paneText(window, kItemPane), qt(itemScript(samples::magicSword())));
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(paneText(window, kItemPane), qt(script));
    QVERIFY(answers.unexpected().isEmpty());
}

void ScriptCommandsTest::aCaretInNoDefinitionOfTheKindIsTold()
{
    struct Case {
        QString pane;
        std::string script;
        QString told;
    };
    const QList<Case> cases = {
        {kItemPane, npcScript(samples::trollGuard()), QStringLiteral("[ITEMDEF i_")},
        {kNpcPane, "NAME=no header at all", QStringLiteral("[CHARDEF c_")},
    };
    for (const Case& c : cases) {
        MainWindow window;
        QVERIFY(showActive(window));
        QWidget* pane = caretInScript(window, c.pane, c.script, 6);
        ShownBox told;
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok, &told));
        fieldsFromScript(pane);
        QCOMPARE(answers.unused(), std::size_t(0));
        QVERIFY2(told.text.contains(c.told), qPrintable(told.text));
        QCOMPARE(told.title, QStringLiteral("Defwright"));
        QCOMPARE(paneText(window, c.pane), qt(c.script));
        QCOMPARE(control<ItemFieldsPage>(window, {})->record(), ItemRecord{});
        QVERIFY(window.findChild<NpcFieldsPage*>()->record() == NpcRecord{});
        QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
    }
}

QTEST_MAIN(ScriptCommandsTest)
#include "script_commands_test.moc"
