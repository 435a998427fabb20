#include "ui/panes/script_pane.h"
#include "window_probe.h"
#include "window_test_main.h"

using namespace defwright;
using namespace defwright::test;

namespace {

// The last line starts with the Kelvin sign, which ignoring case must not take for "K".
const QString kScript = QString::fromUtf16(u"NAME=sword\r\nname=Sword\r\nSWORDS=2\r\nID=0f5c\r\n\u212AEY key");

// A shown window with kScript in one of its panes, and the bar under that pane.
struct PaneBar {
    explicit PaneBar(const char* paneName = "txtEdit")
        : pane(control<ScriptPane>(window, QString::fromLatin1(paneName)))
        , bar(control(*pane->parentWidget(), QStringLiteral("findBar")))
    {
        if (!showActive(window))
            qFatal("the window did not show");
        pane->replaceScript(kScript);
    }

    [[nodiscard]] QWidget* part(const char* name) const { return control(*bar, QString::fromLatin1(name)); }
    [[nodiscard]] QString status() const { return part("lblFindStatus")->property("text").toString(); }
    [[nodiscard]] long found() const { return pane->SendScintilla(ScriptPane::SCI_GETSELECTIONSTART); }

    void type(const char* field, const QString& text) const
    {
        part(field)->setProperty("text", QString());
        QTest::keyClicks(part(field), text);
        QTest::keyClick(part(field), Qt::Key_Return);
    }

    MainWindow window;
    ScriptPane* pane;
    QWidget* bar;
};

} // namespace

class FindBarTest : public QObject {
    Q_OBJECT

private slots:
    void findsNextAndPreviousWithWrap();
    void optionsNarrowTheSearchAndGoToLineChecksTheNumber();
    void replaceAllIsOneUndoStepAndBadPatternsAreSaid();
};

// Ctrl+F from a field opens the bar under the pane of its script, taking room
// from the pane; the pane's tabs above it keep theirs.
void FindBarTest::findsNextAndPreviousWithWrap()
{
    const std::tuple<QKeyCombination, long, QString> steps[] = {
        {Qt::Key_F3, 17, {}},
        {Qt::Key_F3, 24, {}},
        {Qt::Key_Return, 5, QStringLiteral("Passed the end of the script; went on from the top.")},
        {Qt::SHIFT | Qt::Key_Return, 24,
         QStringLiteral("Passed the start of the script; went on from the bottom.")},
        {Qt::SHIFT | Qt::Key_F3, 17, {}},
    };
    const PaneBar item;
    QWidget* name = control(item.window, QStringLiteral("txtBasic(0)"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), item.part("txtFind"));
    const int tabs = control(item.window, QStringLiteral("tabItemScripts"))->height();
    QVERIFY(tabs > 10);
    QCOMPARE(tabs + item.pane->height() + item.bar->height(), 433);
    item.type("txtFind", QStringLiteral("sword"));
    QCOMPARE(item.found(), 5);
    for (const auto& [key, found, status] : steps) {
        QTest::keyClick(item.part("txtFind"), key.key(), key.keyboardModifiers());
        QCOMPARE(item.found(), found);
        QCOMPARE(item.status(), status);
    }
    QTest::keyClick(item.part("txtFind"), Qt::Key_Escape);
    QVERIFY(!item.bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), item.pane);
    QCOMPARE(tabs + item.pane->height(), 433);
}

// Each option on its own, searched from the top (0: not found); ignoring case
// folds ASCII letters only. Then Ctrl+G.
void FindBarTest::optionsNarrowTheSearchAndGoToLineChecksTheNumber()
{
    const std::tuple<QString, const char*, long> cases[] = {
        {QStringLiteral("Sword"), "chkMatchCase", 17},
        {QStringLiteral("sword"), "chkMatchCase", 5},
        {QStringLiteral("[0-9]+$"), "chkRegularExpression", 31},
        {QStringLiteral("s.o"), "chkRegularExpression", 5},
        {QStringLiteral("KEY"), "", 49},
        {QStringLiteral("swor"), "chkWholeWord", 0},
    };
    const PaneBar item;
    for (const auto& [text, option, found] : cases) {
        QTest::keyClick(item.pane, Qt::Key_F, Qt::ControlModifier);
        for (const char* box : {"chkMatchCase", "chkWholeWord", "chkRegularExpression"})
            item.part(box)->setProperty("checked", qstrcmp(box, option) == 0);
        item.pane->setCursorPosition(0, 0);
        item.type("txtFind", text);
        QCOMPARE(item.found(), found);
    }
    QCOMPARE(item.status(), QStringLiteral("\"swor\" was not found."));

    QTest::keyClick(item.pane, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(!item.part("txtFind")->isVisible());
    const std::pair<QString, QString> refused[] = {
        {QStringLiteral("6"), QStringLiteral("There is no line 6: the script has lines 1 to 5.")},
        {QStringLiteral("two"), QStringLiteral("\"two\" is not a line number.")},
        {QStringLiteral(" "), QStringLiteral("Type a line number.")},
    };
    for (const auto& [typed, status] : refused) {
        item.type("txtLine", typed);
        QCOMPARE(item.status(), status);
    }
    item.type("txtLine", QStringLiteral("2"));
    QCOMPARE(item.pane->caretLine(), 1);
    QVERIFY(!item.bar->isVisible());
}

// Ctrl+H from the NPC fields opens the NPC pane's bar with its replace row.
void FindBarTest::replaceAllIsOneUndoStepAndBadPatternsAreSaid()
{
    const PaneBar npc("txtnEdit");
    showPage(npc.window, 2);
    QWidget* name = control(npc.window, QStringLiteral("txtnBasic(1)"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(currentPage(npc.window), 3);
    npc.type("txtFind", QString());
    QCOMPARE(npc.status(), QStringLiteral("Type the text to find."));
    npc.part("chkRegularExpression")->setProperty("checked", true);
    npc.type("txtFind", QStringLiteral("(sword"));
    QCOMPARE(npc.status(), QStringLiteral("This is not a valid regular expression."));
    QTest::mouseClick(npc.part("cmdReplaceAll"), Qt::LeftButton);
    QCOMPARE(npc.status(), QStringLiteral("This is not a valid regular expression."));
    QCOMPARE(npc.pane->script(), kScript);

    npc.part("txtFind")->setProperty("text", QStringLiteral("sw.rd"));
    QTest::keyClicks(npc.part("txtReplace"), QStringLiteral("axe"));
    QTest::mouseClick(npc.part("cmdReplaceAll"), Qt::LeftButton);
    QCOMPARE(npc.pane->script(), QString::fromUtf16(u"NAME=axe\r\nname=axe\r\naxeS=2\r\nID=0f5c\r\n\u212AEY key"));
    QCOMPARE(npc.status(), QStringLiteral("Replaced 3 matches."));
    npc.pane->undo();
    QCOMPARE(npc.pane->script(), kScript);
}

DEFWRIGHT_WINDOW_TEST_MAIN(FindBarTest)
#include "find_bar_test.moc"
