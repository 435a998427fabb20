#include "field_boxes.h"
#include "scripts_folder_fixture.h"
#include "core/items/item_script.h"
#include "ui/items/item_fields_page.h"
#include "window_test_main.h"

#include <QComboBox>

#include <map>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kName = QStringLiteral("txtBasic(0)");
const QString kValue = QStringLiteral("txtBasic(8)");

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

// Keys typed at the end of tied boxes, box by box ("" empties the box; '\b'
// is Backspace), the script they make and the undo steps they take.
struct Typing {
    QList<std::pair<QString, QString>> keys;
    std::string typed;
    int steps = 0;
    int line = kSwordHeader; // the definition tied
};

// Shows the window, puts the script into the item pane and reads the definition at `line` with Ctrl+R.
void tieItem(MainWindow& window, const std::string& script, int line)
{
    QVERIFY(showActive(window));
    showPage(window, 1);
    itemPane(window)->replaceScript(qt(script));
    const ModalAnswers none;
    QTest::keyClick(caretToLine(window, kItemPane, line), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(none.unexpected().isEmpty());
}

void inPane(const MainWindow& window, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(itemPane(window), key, Qt::ControlModifier);
}

} // namespace

Q_DECLARE_METATYPE(Typing)

class TiedFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void fieldsFromScriptTiesWithoutTouchingThePane();
    void eachFieldTypedIntoEditsItsLineInOneUndoStep_data();
    void eachFieldTypedIntoEditsItsLineInOneUndoStep();
    void tiedFieldsHoldOffTheFocusRebuild();
    void aHandEditShowsInTheFields();
    void theTieFollowsItsHeaderUntilOneOfFourThingsEndsIt();
    void addDefinitionInsertsEmptyTiedFields();
    void npcFieldsEditWithThePanesLineBreak();
};

// Ctrl+R inside the sword reads it and ties the fields to its header, marked
// in the margin and the status bar.
void TiedFieldsTest::fieldsFromScriptTiesWithoutTouchingThePane()
{
    MainWindow window;
    tieItem(window, kItems, kSwordHeader + 2);
    QCOMPARE(box(window, kValue)->text(), QStringLiteral("1500"));
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(currentPage(window), 0);
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF 0f5e], line 2"));
    QVERIFY(itemPane(window)->markersAtLine(kSwordHeader) != 0);
    QVERIFY(itemPane(window)->marginWidth(1) > 0);
    QVERIFY(control<QAction>(window, QStringLiteral("mnuDetachFields"))->isEnabled());
}

void TiedFieldsTest::eachFieldTypedIntoEditsItsLineInOneUndoStep_data()
{
    QTest::addColumn<Typing>("typing");
    const std::string named = replaced(kItems, "=Aegis //", "=Aegis of Kings //");
    const std::string valued = replaced(named, "= 1500\r", "= 150000\r");
    const std::string emptied = replaced(replaced(kItems, "=Aegis //", "=Aegisx //"), "\tVALUE = 1500\r\n", "");
    const std::string lit = replaced(kItems, "T_LIGHT_OUT\r\n", "T_LIGHT_OUT\r\nON=@CREATE\r\nCOLOR=0481\r\n");
    QTest::newRow("a word") << Typing{{{kName, " of Kings"}}, named, 1};
    QTest::newRow("another field") << Typing{{{kName, " of Kings"}, {kValue, "00"}}, valued, 2};
    QTest::newRow("the first again") << Typing{{{kName, " of Kings"}, {kValue, "00"}, {kName, "!\b?"}},
                                               replaced(valued, "Kings //", "Kings? //"), 3};
    QTest::newRow("a value emptied") << Typing{{{kName, "x"}, {kValue, ""}, {"txticreateh", "9"}},
                                               replaced(emptied, "=80\r", "={80 9}\r"), 3};
    // Typed again, the step is made from the definition before the emptying, which still has the line.
    QTest::newRow("emptied, typed again") << Typing{{{kValue, ""}, {kValue, "7"}},
                                                    replaced(kItems, "= 1500\r", "= 7\r"), 1};
    // A keystroke that leaves the definition as it was makes no step for the next one to take over.
    QTest::newRow("taken back") << Typing{{{kName, "x\b"}}, kItems, 0};
    QTest::newRow("taken back, typed on") << Typing{{{kName, "x\by"}}, replaced(kItems, "=Aegis //", "=Aegisy //"), 1};
    QTest::newRow("an identifier, i_ form") << Typing{{{"txtidef", "2"}},
                                                      replaced(kItems, "i_lantern]", "i_lantern2]"), 1, kLanternHeader};
    QTest::newRow("a creation value brings its block") << Typing{{{"txtic", "0481"}}, lit, 1, kLanternHeader + 1};
    QTest::newRow("a line before the block") << Typing{{{"txtic", "0481"}, {"txtBasic(1)", "0a25"}},
                                                       replaced(lit, "=lantern\r\n", "=lantern\r\nID=0a25\r\n"), 2,
                                                       kLanternHeader + 1};
}

// Only the last Ctrl+Z brings the script back as it was, and the boxes are
// read again; Ctrl+Y makes the typing again.
void TiedFieldsTest::eachFieldTypedIntoEditsItsLineInOneUndoStep()
{
    QFETCH(Typing, typing);
    MainWindow window;
    tieItem(window, kItems, typing.line);
    std::map<QString, QString> shown; // what each box showed before it was typed into
    for (const auto& [field, keys] : typing.keys) {
        shown.emplace(field, box(window, field)->text());
        keys.isEmpty() ? emptyBox(window, field) : typeAtEnd(window, field, keys);
    }
    QCOMPARE(paneBytes(window), typing.typed);
    for (int step = 1; step <= typing.steps; ++step) {
        inPane(window, Qt::Key_Z);
        QCOMPARE(paneBytes(window) == kItems, step == typing.steps);
    }
    for (const auto& [field, text] : shown)
        QCOMPARE(box(window, field)->text(), text);
    inPane(window, Qt::Key_Y, typing.steps);
    QCOMPARE(paneBytes(window), typing.typed);
}

// Tab into "NAME=" would write the shortened script over the whole file.
void TiedFieldsTest::tiedFieldsHoldOffTheFocusRebuild()
{
    MainWindow window;
    tieItem(window, kItems, kSwordHeader);
    QCOMPARE(QApplication::focusWidget(), box(window, QStringLiteral("txtidef")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box(window, kName));
    QCOMPARE(paneBytes(window), kItems);

    trigger(window, QStringLiteral("mnuDetachFields"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(paneBytes(window), itemFocusScript(window.findChild<ItemFieldsPage*>()->record()));
}

void TiedFieldsTest::aHandEditShowsInTheFields()
{
    MainWindow window;
    tieItem(window, kItems, kSwordHeader);
    ScriptPane* pane = itemPane(window);
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, kItems.find("Aegis") + 5);
    QTest::keyClicks(pane, QStringLiteral("Z"));
    QCOMPARE(box(window, kName)->text(), QStringLiteral("AegisZ"));
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, paneBytes(window).find("HITPOINTS=80") + 12);
    QTest::keyClicks(pane, QStringLiteral(",90"));
    QCOMPARE(box(window, QStringLiteral("txticreatel"))->text(), QStringLiteral("80"));
    QCOMPARE(box(window, QStringLiteral("txticreateh"))->text(), QStringLiteral("90"));
    pane->SendScintilla(ScriptPane::SCI_GOTOPOS, paneBytes(window).find("lantern\r") + 7);
    QTest::keyClicks(pane, QStringLiteral("s"));
    QCOMPARE(box(window, kName)->text(), QStringLiteral("AegisZ"));
    QCOMPARE(paneBytes(window), replaced(replaced(replaced(kItems, "Aegis", "AegisZ"), "=80", "=80,90"), "lantern\r",
                                         "lanterns\r"));
}

// Lines added above move the tie along; taking the whole definition away
// ends it rather than tying the fields to the definition after it, and so do
// Detach Fields and New. A file opened is a document of its own: the tie
// stays with its own, as the status bar says.
void TiedFieldsTest::theTieFollowsItsHeaderUntilOneOfFourThingsEndsIt()
{
    MainWindow window;
    tieItem(window, kItems, kLanternHeader);
    QTest::keyClick(caretToLine(window, kItemPane, 0), Qt::Key_Return);
    QTest::keyClick(itemPane(window), Qt::Key_Return);
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF i_lantern], line 13"));
    typeAtEnd(window, kName, QStringLiteral("s"));
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

    tieItem(window, kItems, kSwordHeader);
    trigger(window, QStringLiteral("mnuDetachFields"));
    QCOMPARE(tieShown(window), QString());
    typeAtEnd(window, kName, QStringLiteral("x"));
    QCOMPARE(paneBytes(window), itemScript(window.findChild<ItemFieldsPage*>()->record()));

    tieItem(window, kItems, kSwordHeader);
    trigger(window, QStringLiteral("mnuNew"));
    QCOMPARE(tieShown(window), QString());
    tieItem(window, kItems, kSwordHeader);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("one.scp"));
    writeFile(path, "[ITEMDEF i_one]\r\nNAME=one\r\n");
    window.openItemScript(path);
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF 0f5e] in Item Fields, line 2"));
    QCOMPARE(itemPane(window)->markersAtLine(0), 0u);
    QCOMPARE(itemPane(window)->marginWidth(1), 0);
}

void TiedFieldsTest::addDefinitionInsertsEmptyTiedFields()
{
    MainWindow window;
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
    QCOMPARE(tieShown(window), QStringLiteral("Fields: [ITEMDEF i_new], line 11"));
    typeAtEnd(window, QStringLiteral("txtic"), QStringLiteral("1"));
    QCOMPARE(paneBytes(window), replaced(replaced(added, "i_]", "i_new]"), "@CREATE\r\n\r\n[ITEMDEF i_l",
                                         "@CREATE\r\nCOLOR=1\r\n\r\n[ITEMDEF i_l"));
    inPane(window, Qt::Key_Z, 3); // the definition, the word typed into its identifier, the colour
    QCOMPARE(paneBytes(window), kItems);
    QCOMPARE(tieShown(window), QString());
}

void TiedFieldsTest::npcFieldsEditWithThePanesLineBreak()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const std::string script = "[CHARDEF 01] // ogre\nNAME=ogre\nCAN=MT_WALK\n\nON=@CREATE\nNPC=brain_monster\nSTR=100\n";
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtnEdit"));
    showPage(window, 3);
    pane->useLineBreak(LineBreak::Lf);
    pane->replacePaneText(script);
    QTest::keyClick(caretToLine(window, QStringLiteral("txtnEdit"), 5), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(currentPage(window), 2);
    typeAtEnd(window, QStringLiteral("txtl(2)"), QStringLiteral("5"));
    QTest::keyClicks(control<QComboBox>(window, QStringLiteral("lstCan(1)")), QStringLiteral("MT_RUN"));
    QCOMPARE(std::string(pane->bytes()), "[CHARDEF 01] // ogre\nNAME=ogre\nCAN=MT_WALK\nCAN=MT_RUN\n\nON=@CREATE\n"
                                         "NPC=brain_monster\nSTR={100 5}\n");
}

DEFWRIGHT_WINDOW_TEST_MAIN(TiedFieldsTest)
#include "tied_fields_test.moc"
