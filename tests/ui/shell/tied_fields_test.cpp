#include "../files/file_test_support.h"
#include "field_boxes.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_record.h"
#include "ui/items/item_fields_page.h"
#include "ui/npcs/npc_fields_page.h"
#include "window_test_main.h"

#include <QComboBox>
#include <QLabel>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kItemPane = QStringLiteral("txtEdit");

// Two real-looking definitions and one in the generator's form, with a
// comment after a header and a value, a tab and blanks around "=".
const std::string kItems = "// weapons\r\n"
                           "[ITEMDEF 0f5e] // broadsword\r\n"
                           "DEFNAME=i_broadsword\r\n"
                           "NAME=Aegis //the shield\r\n"
                           "\tVALUE = 1500\r\n"
                           "TYPE=T_WEAPON_SWORD\r\n"
                           "\r\n"
                           "ON=@CREATE\r\n"
                           "HITPOINTS=80\r\n"
                           "\r\n"
                           "[ITEMDEF i_lantern]\r\n"
                           "NAME=lantern\r\n"
                           "TYPE=T_LIGHT_OUT\r\n"
                           "\r\n"
                           "[TYPEDEF t_x]\r\n"
                           "ON=@DCLICK\r\n";
constexpr int kSwordHeader = 1;
constexpr int kLanternHeader = 10;

// Puts the script into the item pane and reads the definition at `line` with Ctrl+R.
void tieItem(MainWindow& window, const std::string& script, int line)
{
    showPage(window, 1);
    itemPane(window)->replaceScript(qt(script));
    const ModalAnswers none;
    QTest::keyClick(caretToLine(window, kItemPane, line), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(none.unexpected().isEmpty());
}

void undoInPane(const MainWindow& window, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(itemPane(window), Qt::Key_Z, Qt::ControlModifier);
}

QString tieShown(const MainWindow& window)
{
    const QLabel* label = control<QLabel>(window, QStringLiteral("lblStatusFields"));
    return label->isVisible() ? label->text() : QString();
}

} // namespace

class TiedFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsFromScriptTiesWithoutTouchingThePane();
    void eachFieldChangeEditsItsOwnLineAsOneUndoStep();
    void aCreationValueBringsItsBlockWhenThereIsNone();
    void theIdentifierIsTheHeadersInBothForms();
    void tiedFieldsHoldOffTheFocusRebuild();
    void aHandEditShowsInTheFields();
    void theTieFollowsItsHeaderAndEndsWithIt();
    void detachNewAndOpenEndTheTie();
    void addDefinitionInsertsEmptyTiedFields();
    void npcFieldsEditWithThePanesLineBreak();
};

void TiedFieldsTest::fieldsFromScriptTiesWithoutTouchingThePane()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kSwordHeader + 2);
    const ItemRecord fields = window.findChild<ItemFieldsPage*>()->record();
    QCOMPARE(fields.identifier, "0f5e");
    QCOMPARE(fields.basic[0], "Aegis");
    QCOMPARE(fields.basic[8], "1500");
    QCOMPARE(fields.hitPointsLow, "80");
    QCOMPARE(fields.hitPointsHigh, "");
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(currentPage(window), 0);
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF 0f5e], line 2"));
    QVERIFY(itemPane(window)->markersAtLine(kSwordHeader) != 0);
    QVERIFY(itemPane(window)->marginWidth(1) > 0);
    QVERIFY(control<QAction>(window, QStringLiteral("mnuDetachFields"))->isEnabled());
}

void TiedFieldsTest::eachFieldChangeEditsItsOwnLineAsOneUndoStep()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kSwordHeader);
    typeAtEnd(window, QStringLiteral("txtBasic(0)"), QStringLiteral("x"));
    const std::string named = replaced(kItems, "NAME=Aegis //", "NAME=Aegisx //");
    QCOMPARE(paneBytes(window), named);
    emptyBox(window, QStringLiteral("txtBasic(8)"));
    QCOMPARE(paneBytes(window), replaced(named, "\tVALUE = 1500\r\n", ""));
    typeAtEnd(window, QStringLiteral("txticreateh"), QStringLiteral("9"));
    QCOMPARE(paneBytes(window), replaced(replaced(named, "\tVALUE = 1500\r\n", ""), "=80\r", "={80 9}\r"));
    undoInPane(window);
    QCOMPARE(paneBytes(window), replaced(named, "\tVALUE = 1500\r\n", ""));
    QCOMPARE(box(window, QStringLiteral("txticreateh"))->text(), QString()); // read again after the undo
    undoInPane(window, 2);
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(box(window, QStringLiteral("txtBasic(0)"))->text(), QStringLiteral("Aegis"));
}

void TiedFieldsTest::aCreationValueBringsItsBlockWhenThereIsNone()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kLanternHeader + 1);
    typeAtEnd(window, QStringLiteral("txtic"), QStringLiteral("0481"));
    QCOMPARE(paneBytes(window), replaced(kItems, "T_LIGHT_OUT\r\n", "T_LIGHT_OUT\r\nON=@CREATE\r\nCOLOR=0481\r\n"));
    typeAtEnd(window, QStringLiteral("txtBasic(1)"), QStringLiteral("0a25"));
    QCOMPARE(paneBytes(window), replaced(kItems, "NAME=lantern\r\nTYPE=T_LIGHT_OUT\r\n",
                                         "NAME=lantern\r\nID=0a25\r\nTYPE=T_LIGHT_OUT\r\nON=@CREATE\r\nCOLOR=0481\r\n"));
}

void TiedFieldsTest::theIdentifierIsTheHeadersInBothForms()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kLanternHeader);
    QCOMPARE(box(window, QStringLiteral("txtidef"))->text(), QStringLiteral("lantern"));
    typeAtEnd(window, QStringLiteral("txtidef"), QStringLiteral("2"));
    QCOMPARE(paneBytes(window), replaced(kItems, "[ITEMDEF i_lantern]", "[ITEMDEF i_lantern2]"));
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF i_lantern2], line 11"));

    tieItem(window, kItems, kSwordHeader);
    QCOMPARE(box(window, QStringLiteral("txtidef"))->text(), QStringLiteral("0f5e"));
    box(window, QStringLiteral("txtidef"))->selectAll();
    QTest::keyClicks(box(window, QStringLiteral("txtidef")), QStringLiteral("0f5f"));
    QCOMPARE(qt(paneBytes(window)), qt(replaced(kItems, "[ITEMDEF 0f5e] //", "[ITEMDEF 0f5f] //")));
}

// Tab into "NAME=" would write the shortened script over the whole file.
void TiedFieldsTest::tiedFieldsHoldOffTheFocusRebuild()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kSwordHeader);
    QCOMPARE(QApplication::focusWidget(), box(window, QStringLiteral("txtidef")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(window, QStringLiteral("txtBasic(0)")));
    QCOMPARE(paneBytes(window), kItems);

    trigger(window, QStringLiteral("mnuDetachFields"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const ItemRecord fields = window.findChild<ItemFieldsPage*>()->record();
    QCOMPARE(paneBytes(window), itemFocusScript(fields));
}

void TiedFieldsTest::aHandEditShowsInTheFields()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kSwordHeader);
    ScriptPane* pane = itemPane(window);
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, kItems.find("Aegis") + 5);
    QTest::keyClicks(pane, QStringLiteral("Z"));
    QCOMPARE(box(window, QStringLiteral("txtBasic(0)"))->text(), QStringLiteral("AegisZ"));
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, paneBytes(window).find("HITPOINTS=80") + 12);
    QTest::keyClicks(pane, QStringLiteral(",90"));
    QCOMPARE(box(window, QStringLiteral("txticreatel"))->text(), QStringLiteral("80"));
    QCOMPARE(box(window, QStringLiteral("txticreateh"))->text(), QStringLiteral("90"));
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, paneBytes(window).find("lantern\r") + 7);
    QTest::keyClicks(pane, QStringLiteral("s"));
    QCOMPARE(box(window, QStringLiteral("txtBasic(0)"))->text(), QStringLiteral("AegisZ"));
    QCOMPARE(paneBytes(window), replaced(replaced(replaced(kItems, "Aegis", "AegisZ"), "=80", "=80,90"), "lantern\r",
                                         "lanterns\r"));
}

// Lines added above move the tie along; taking the whole definition away
// ends it rather than tying the fields to the definition after it.
void TiedFieldsTest::theTieFollowsItsHeaderAndEndsWithIt()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kLanternHeader);
    QTest::keyClick(caretToLine(window, kItemPane, 0), Qt::Key_Return);
    QTest::keyClick(itemPane(window), Qt::Key_Return);
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF i_lantern], line 13"));
    typeAtEnd(window, QStringLiteral("txtBasic(0)"), QStringLiteral("s"));
    const std::string moved = replaced("\r\n\r\n" + kItems, "NAME=lantern", "NAME=lanterns");
    QCOMPARE(paneBytes(window), moved);

    tieItem(window, moved, kSwordHeader + 2);
    ScriptPane* pane = itemPane(window);
    const auto sword = static_cast<long>(moved.find("[ITEMDEF 0f5e]"));
    pane->SendScintilla(ScriptPane::SCI_SETSEL, sword, static_cast<long>(moved.find("[ITEMDEF i_lantern]")));
    QTest::keyClick(pane, Qt::Key_Delete);
    QCOMPARE(tieShown(window), QString());
    QCOMPARE(pane->markersAtLine(kSwordHeader + 2), 0u);
    QVERIFY(!control<QAction>(window, QStringLiteral("mnuDetachFields"))->isEnabled());
}

void TiedFieldsTest::detachNewAndOpenEndTheTie()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kSwordHeader);
    trigger(window, QStringLiteral("mnuDetachFields"));
    QCOMPARE(tieShown(window), QString());
    typeAtEnd(window, QStringLiteral("txtBasic(0)"), QStringLiteral("x"));
    QCOMPARE(paneBytes(window), itemScript(window.findChild<ItemFieldsPage*>()->record()));

    tieItem(window, kItems, kSwordHeader);
    trigger(window, QStringLiteral("mnuNew"));
    QCOMPARE(tieShown(window), QString());
    tieItem(window, kItems, kSwordHeader);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("one.scp"));
    writeFile(path, "[ITEMDEF i_one]\r\nNAME=one\r\n");
    window.openItemScript(path);
    QCOMPARE(tieShown(window), QString());
    QCOMPARE(itemPane(window)->markersAtLine(0), 0u);
}

void TiedFieldsTest::addDefinitionInsertsEmptyTiedFields()
{
    MainWindow window;
    QVERIFY(showActive(window));
    tieItem(window, kItems, kSwordHeader);
    showPage(window, 1);
    caretToLine(window, kItemPane, kSwordHeader + 3);
    trigger(window, QStringLiteral("mnuAddDefinition"));
    const std::string added = replaced(kItems, "HITPOINTS=80", "HITPOINTS=80\r\n\r\n[ITEMDEF i_]\r\n\r\n\r\nON=@CREATE");
    QCOMPARE(paneBytes(window), added);
    QVERIFY(window.findChild<ItemFieldsPage*>()->record() == ItemRecord{});
    QCOMPARE(currentPage(window), 0);
    QCOMPARE(QApplication::focusWidget(), box(window, QStringLiteral("txtidef")));
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF i_], line 11"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("new"));
    typeAtEnd(window, QStringLiteral("txtic"), QStringLiteral("1"));
    QCOMPARE(paneBytes(window), replaced(replaced(added, "i_]", "i_new]"), "@CREATE\r\n\r\n[ITEMDEF i_l",
                                         "@CREATE\r\nCOLOR=1\r\n\r\n[ITEMDEF i_l"));
    undoInPane(window, 3); // the definition, the word typed into its identifier, the colour
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(tieShown(window), QString());

    itemPane(window)->replaceScript(QStringLiteral("// only a comment\r\n"));
    trigger(window, QStringLiteral("mnuAddDefinition"));
    QCOMPARE(paneBytes(window), "// only a comment\r\n\r\n[ITEMDEF i_]\r\n\r\n\r\nON=@CREATE\r\n");
}

void TiedFieldsTest::npcFieldsEditWithThePanesLineBreak()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const std::string script = "[CHARDEF 01] // ogre\nNAME=ogre\nCAN=MT_WALK\n\nON=@CREATE\nNPC=brain_monster\n"
                               "STR=100\n";
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtnEdit"));
    showPage(window, 3);
    pane->useLineBreak(LineBreak::Lf);
    pane->replacePaneText(script);
    QTest::keyClick(caretToLine(window, QStringLiteral("txtnEdit"), 5), Qt::Key_R, Qt::ControlModifier);
    const NpcRecord fields = window.findChild<NpcFieldsPage*>()->record();
    QCOMPARE(fields.identifier, "01");
    QCOMPARE(fields.brain, "brain_monster");
    QCOMPARE(fields.stats[2].low, "100");
    QCOMPARE(currentPage(window), 2);
    typeAtEnd(window, QStringLiteral("txtl(2)"), QStringLiteral("5"));
    QTest::keyClicks(control<QComboBox>(window, QStringLiteral("lstCan(1)")), QStringLiteral("MT_RUN"));
    QCOMPARE(std::string(pane->bytes()), "[CHARDEF 01] // ogre\nNAME=ogre\nCAN=MT_WALK\nCAN=MT_RUN\n\nON=@CREATE\n"
                                         "NPC=brain_monster\nSTR={100 5}\n");
}

DEFWRIGHT_WINDOW_TEST_MAIN(TiedFieldsTest)
#include "tied_fields_test.moc"
