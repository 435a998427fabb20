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

} // namespace

class ScriptPaneTest : public QObject {
    Q_OBJECT

private slots:
    void tabsAndLineBreaksAsAScripterTypesThem();
    void eachKindOfLineGetsItsStyle();
    void contextMenuShowsOnlyKeysThePaneHonours();
    void scrollBarsComeAndGoWithTheText();
    void anyRangeReadsAsTheWholeTextHasIt();
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

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptPaneTest)
#include "script_pane_test.moc"
