#include "ui/panes/script_pane.h"
#include "long_script.h"
#include "window_probe.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>

#include <algorithm>
#include <random>
#include <string>
#include <utility>

using namespace defwright;
using namespace defwright::test;

namespace {

// One letter per character: Plain, Key, Value, Range, Trigger, Header, Comment.
QString stylesOf(const ScriptPane& pane, qsizetype count)
{
    QString letters;
    for (unsigned long at = 0; at < static_cast<unsigned long>(count); ++at)
        letters += QLatin1Char("PKVRTHC"[pane.SendScintilla(ScriptPane::SCI_GETSTYLEAT, at)]);
    return letters;
}

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

class ScriptPaneTest : public QObject {
    Q_OBJECT

private slots:
    void tabsAndLineBreaksAsAScripterTypesThem();
    void eachKindOfLineGetsItsStyle();
    void contextMenuShowsOnlyKeysThePaneHonours();
    void scrollBarsComeAndGoWithTheText();
    void anyRangeReadsAsTheWholeTextHasIt();
    void findsNextAndPreviousWithWrap();
    void optionsNarrowTheSearchAndGoToLineChecksTheNumber();
    void replaceAllIsOneUndoStepAndBadPatternsAreSaid();
};

// Ctrl+I types a tab (Tab moves the focus); typed, pasted or put in whole, a lone
// CR or LF becomes CR LF, while a tab, a NUL or an accented letter comes back as it went in.
void ScriptPaneTest::tabsAndLineBreaksAsAScripterTypesThem()
{
    MainWindow window;
    ScriptPane* pane = itemPane(window);
    QTest::keyClicks(pane, QStringLiteral("a"));
    QTest::keyClick(pane, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("b\nc\rd\te"));
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(pane->script(), QStringLiteral("a\t\r\nb\r\nc\r\nd\te"));
    QTest::keyClick(pane, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(currentPage(window), 2);

    const QString nul(QChar(u'\0'));
    pane->replaceScript(QStringLiteral("x\ny\r\n\r\u00E9\t") + nul + QStringLiteral("\u20AC"));
    QCOMPARE(pane->script(), QStringLiteral("x\r\ny\r\n\r\n\u00E9\t") + nul + QStringLiteral("\u20AC"));
    QCOMPARE(pane->caretLine(), 3);
}

void ScriptPaneTest::eachKindOfLineGetsItsStyle()
{
    const std::pair<QString, QString> cases[] = { // a line, and one letter per character
        {QStringLiteral("// a note"), QStringLiteral("CCCCCCCCC")},
        {QStringLiteral(" [ITEMDEF i_x] //c"), QStringLiteral("PHHHHHHHHHHHHHPCCC")},
        {QStringLiteral("on = @Hit x"), QStringLiteral("TTTTTTTTTVV")},
        {QStringLiteral("K =v{1,2}{"), QStringLiteral("KPPVRRRRRV")},
        {QStringLiteral("=x"), QStringLiteral("PV")},
    };
    MainWindow window;
    ScriptPane* pane = itemPane(window);
    for (const auto& [line, styles] : cases) {
        pane->replaceScript(line + QStringLiteral("\r\n"));
        pane->repaint();
        QCOMPARE(stylesOf(*pane, line.size()), styles);
    }
}

// Ctrl+A is the window's Save As, so Select All on the pane's menu shows no
// key; chosen, it selects the whole script.
void ScriptPaneTest::contextMenuShowsOnlyKeysThePaneHonours()
{
    MainWindow window;
    ScriptPane* pane = itemPane(window);
    pane->replaceScript(QStringLiteral("[ITEMDEF i_a]\r\nID=1"));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20), pane->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(pane->viewport(), &click);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QStringList shown;
    for (const QAction* action : menu->actions())
        shown << action->text() + u' ' + action->shortcut().toString();
    QCOMPARE(shown, QStringList({"&Undo Ctrl+Z", "&Redo Ctrl+Y", " ", "Cu&t Ctrl+X", "&Copy Ctrl+C",
                                 "&Paste Ctrl+V", "Delete ", " ", "Select All "}));
    menu->actions().constLast()->trigger();
    menu->close();
    QCOMPARE(pane->selectedText(), pane->script());
}

// A bar shows when there is something to scroll that way and goes when there
// is not.
void ScriptPaneTest::scrollBarsComeAndGoWithTheText()
{
    MainWindow window;
    ScriptPane* pane = itemPane(window);
    const auto shown = [pane] {
        QCoreApplication::sendPostedEvents();
        return std::pair(pane->horizontalScrollBar()->isVisible(), pane->verticalScrollBar()->isVisible());
    };
    QCOMPARE(shown(), std::pair(false, false));
    for (int line = 0; line < 100; ++line)
        QTest::keyClick(pane, Qt::Key_Return);
    QCOMPARE(shown(), std::pair(false, true));
    QTest::keyClicks(pane, QString(300, u'x'));
    QCOMPARE(shown(), std::pair(true, true));
    pane->selectAll();
    QTest::keyClick(pane, Qt::Key_Delete);
    QCOMPARE(shown().second, false);
}

// The editor keeps its text in two parts around the last edit; a range read on
// either side of it, across it, or past the end reads as the whole text has it.
void ScriptPaneTest::anyRangeReadsAsTheWholeTextHasIt()
{
    MainWindow window;
    ScriptPane* pane = itemPane(window, longScript(64 * 1024));
    std::mt19937 random(7);
    for (int edit = 0; edit < 300; ++edit) {
        const std::size_t length = pane->bytes().size();
        const std::size_t at = random() % (length + 1);
        pane->replaceRange(at, std::min(length, at + random() % 3), edit % 2 == 0 ? "x" : "NAME=\r\n");
        const std::size_t start = at + random() % 64 - 32; // around the edit, or far past the end
        const std::size_t end = start + random() % 64;
        const std::string read(pane->bytesIn(start, end));
        const std::string whole(pane->bytes());
        QCOMPARE(read, start >= whole.size() ? std::string() : whole.substr(start, end - start));
    }
}

// Ctrl+F from a field opens the bar under the pane of its script, taking room
// from the pane; the pane's tabs above it keep theirs.
void ScriptPaneTest::findsNextAndPreviousWithWrap()
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
void ScriptPaneTest::optionsNarrowTheSearchAndGoToLineChecksTheNumber()
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
void ScriptPaneTest::replaceAllIsOneUndoStepAndBadPatternsAreSaid()
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

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptPaneTest)
#include "script_pane_test.moc"
