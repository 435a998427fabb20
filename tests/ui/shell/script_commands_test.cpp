#include "core/items/item_script.h"
#include "core/npcs/npc_script.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "scripts_folder_fixture.h"
#include "window_test_main.h"
#include "worked_examples.h"

#include <QFileDialog>

using namespace defwright;
using namespace defwright::test;

namespace {

// Shows the pane's page, puts the script into the pane and the caret on the line (from 0).
QWidget* caretInScript(MainWindow& window, const QString& pane, const std::string& script, int line)
{
    showPage(window, pane == kItemPane ? 1 : 3);
    document(window, pane)->replaceScript(qt(script));
    return caretToLine(window, pane, line);
}

ItemRecord itemFields(const MainWindow& window)
{
    return window.findChild<ItemFieldsPage*>()->record();
}

NpcRecord npcFields(const MainWindow& window)
{
    return window.findChild<NpcFieldsPage*>()->record();
}

} // namespace

class ScriptCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void workedExamplesReadBackIntoEveryField();
    void aCaretInNoDefinitionOfTheKindIsTold();
    void theWindowGoesWhileItsDialogHoldsTheFocus();
};

// The item script is read from its pane; the troll guard, among other
// definitions, from an NPC field box, so from the NPC script.
// Nothing is rewritten, so lines the fields cannot hold and the banners
// between definitions stay, and nothing is asked.
void ScriptCommandsTest::workedExamplesReadBackIntoEveryField()
{
    MainWindow window;
    loadAndShow(window);
    QVERIFY(showActive(window));
    NpcRecord troll = samples::trollGuard();
    troll.stats[1] = {}; // no line carries KARMA's high value or skill slot 2
    troll.skills[2] = {};
    NpcRecord other;
    other.identifier = "other";
    QTest::mouseClick(control(window, QStringLiteral("Command2")), Qt::LeftButton);

    const ModalAnswers none;
    const std::string item = itemScript(samples::magicSword()) + "\r\nON=@CLICK\r\nSAY hello";
    QTest::keyClick(caretInScript(window, kItemPane, item, 8), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(itemFields(window), samples::magicSword());
    QCOMPARE(paneText(window, kItemPane), qt(item));
    QCOMPARE(currentPage(window), 0);
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("txtidef")));

    const std::string before = npcScript(other) + "\r\n\r\n";
    const auto trollStart = static_cast<int>(qt(before).count(QStringLiteral("\r\n")));
    const std::string script = before + npcScript(troll) + "\r\n\r\n" + npcScript(other);
    caretInScript(window, kNpcPane, script, trollStart + 20);
    showPage(window, 2);
    QWidget* name = control(window, QStringLiteral("txtnBasic(1)"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(none.unexpected().isEmpty());
    QVERIFY(npcFields(window) == troll);
    QCOMPARE(paneText(window, kNpcPane), qt(script));
    QCOMPARE(itemFields(window), samples::magicSword());
    QCOMPARE(currentPage(window), 2);
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("txtndef")));
    QVERIFY(control(window, QStringLiteral("frmnpcdefs"))->isVisible());
    QVERIFY(!control(window, QStringLiteral("frmcreate"))->isVisible());
}

void ScriptCommandsTest::aCaretInNoDefinitionOfTheKindIsTold()
{
    const std::tuple<QString, std::string, QString> cases[] = {
        {kItemPane, npcScript(samples::trollGuard()), QStringLiteral("[ITEMDEF i_")},
        {kNpcPane, "NAME=no header at all", QStringLiteral("[CHARDEF c_")},
    };
    for (const auto& [paneName, script, told] : cases) {
        MainWindow window;
        QVERIFY(showActive(window));
        const ShownBox shown = endingBox([&, &paneName = paneName, &script = script] {
            QTest::keyClick(caretInScript(window, paneName, script, 6), Qt::Key_R, Qt::ControlModifier);
        });
        QVERIFY2(shown.text.contains(told), qPrintable(shown.text));
        QCOMPARE(shown.title, QStringLiteral("Defwright"));
        QCOMPARE(paneText(window, paneName), qt(script));
        QCOMPARE(itemFields(window), ItemRecord{});
        QVERIFY(npcFields(window) == NpcRecord{});
    }
}

// The dialog's box gives the focus up only once the window is being destroyed,
// after the pages; what follows the focus must not read the panes then.
void ScriptCommandsTest::theWindowGoesWhileItsDialogHoldsTheFocus()
{
    auto* window = new MainWindow;
    QVERIFY(showActive(*window));
    auto* dialog = control<QFileDialog>(*window, QStringLiteral("diaOpen"));
    dialog->show();
    // A dialog counts as active while its owner is; wait for it to be so itself.
    QTRY_COMPARE(QApplication::activeWindow(), dialog);
    QWidget* box = control(*dialog, QStringLiteral("fileNameEdit"));
    box->setFocus();
    QCOMPARE(QApplication::focusWidget(), box);
    delete window;
    QCOMPARE(QApplication::focusWidget(), nullptr);
}

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptCommandsTest)
#include "script_commands_test.moc"
