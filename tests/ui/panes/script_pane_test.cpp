#include "ui/panes/script_lexer.h"
#include "ui/panes/script_line_styles.h"
#include "ui/panes/script_pane.h"
#include "window_probe.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QClipboard>
#include <QPushButton>

using namespace defwright;
using namespace defwright::test;

namespace {

long send(const ScriptPane& pane, unsigned int message, unsigned long wParam = 0, long lParam = 0)
{
    return pane.SendScintilla(message, wParam, lParam);
}

ScriptStyle styleAt(const ScriptPane& pane, long position)
{
    return static_cast<ScriptStyle>(send(pane, ScriptPane::SCI_GETSTYLEAT, static_cast<unsigned long>(position)));
}

long lineStart(const ScriptPane& pane, long line)
{
    return send(pane, ScriptPane::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
}

// The item script page in front, its pane shown and holding the focus.
ScriptPane* showItemPane(MainWindow& window)
{
    if (!showActive(window))
        qFatal("the window did not show");
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtEdit"));
    pane->setFocus(Qt::OtherFocusReason);
    return pane;
}

} // namespace

class ScriptPaneTest : public QObject {
    Q_OBJECT

private slots:
    void tabMovesTheFocusAndCtrlITypesATab();
    void everyLineBreakIsACrLf();
    void eachKindOfLineGetsItsStyle();
    void longScriptsAreStyledInView();
    void sectionsFold();
    void screenReadersGetTextCaretAndSelection();
};

void ScriptPaneTest::tabMovesTheFocusAndCtrlITypesATab()
{
    MainWindow window;
    ScriptPane* pane = showItemPane(window);
    QCOMPARE(pane->toolTip(), QStringLiteral("Tab and Shift+Tab move to the next control; Ctrl+I types a tab character."));
    QCOMPARE(pane->accessibleName(), QStringLiteral("Compiled Item Script"));

    QTest::keyClick(pane, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("cmdtriggers(0)")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), pane);
    QTest::keyClick(pane, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("SSTab1")));
    QCOMPARE(pane->script(), QString());

    pane->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(pane, QStringLiteral("a"));
    QTest::keyClick(pane, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(pane, QStringLiteral("b"));
    QCOMPARE(pane->script(), QStringLiteral("a\tb"));

    QTest::keyClick(pane, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(control(window, QStringLiteral("SSTab1"))->property("currentIndex").toInt(), 2);
}

// Typed, pasted or put in whole, a lone CR or LF becomes CR LF; a tab stays.
void ScriptPaneTest::everyLineBreakIsACrLf()
{
    MainWindow window;
    ScriptPane* pane = showItemPane(window);
    QTest::keyClicks(pane, QStringLiteral("a"));
    QTest::keyClick(pane, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("b\nc\rd\te"));
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(pane->script(), QStringLiteral("a\r\nb\r\nc\r\nd\te"));

    pane->replaceScript(QStringLiteral("x\ny\r\n\rz"));
    QCOMPARE(pane->script(), QStringLiteral("x\r\ny\r\n\r\nz"));
    QCOMPARE(pane->caretLine(), 3);
}

void ScriptPaneTest::eachKindOfLineGetsItsStyle()
{
    const struct {
        QString line;
        QList<ScriptStyle> styles; // one per character
    } cases[] = {
        {QStringLiteral("// a note"), QList<ScriptStyle>(9, ScriptStyle::Comment)},
        {QStringLiteral(" [ITEMDEF i_x] //c"),
         {ScriptStyle::Plain, ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header,
          ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header,
          ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Header, ScriptStyle::Plain,
          ScriptStyle::Comment, ScriptStyle::Comment, ScriptStyle::Comment}},
        {QStringLiteral("on = @Hit x"),
         {ScriptStyle::Trigger, ScriptStyle::Trigger, ScriptStyle::Trigger, ScriptStyle::Trigger, ScriptStyle::Trigger,
          ScriptStyle::Trigger, ScriptStyle::Trigger, ScriptStyle::Trigger, ScriptStyle::Trigger, ScriptStyle::Value,
          ScriptStyle::Value}},
        {QStringLiteral("K =v{1,2}{"),
         {ScriptStyle::Key, ScriptStyle::Plain, ScriptStyle::Plain, ScriptStyle::Value, ScriptStyle::Range,
          ScriptStyle::Range, ScriptStyle::Range, ScriptStyle::Range, ScriptStyle::Range, ScriptStyle::Value}},
        {QStringLiteral("=x"), {ScriptStyle::Plain, ScriptStyle::Value}},
    };
    MainWindow window;
    ScriptPane* pane = showItemPane(window);
    for (const auto& [line, styles] : cases) {
        pane->replaceScript(line + QStringLiteral("\r\n"));
        pane->repaint();
        QList<ScriptStyle> seen;
        for (long at = 0; at < line.size(); ++at)
            seen << styleAt(*pane, at);
        QCOMPARE(seen, styles);
    }

    // On a dark pane the colours turn light, and every one stays readable.
    const auto* lexer = qobject_cast<const ScriptLexer*>(pane->lexer());
    const QColor lightKey = lexer->color(int(ScriptStyle::Key));
    QPalette dark = pane->palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    pane->setPalette(dark);
    QVERIFY(lexer->color(int(ScriptStyle::Key)).lightness() > lightKey.lightness());
    QCOMPARE(lexer->paper(int(ScriptStyle::Key)), QColor(30, 30, 30));
}

// Put in with the view at its end, a long script is styled where it is shown;
// the lines between are styled once they come into view.
void ScriptPaneTest::longScriptsAreStyledInView()
{
    MainWindow window;
    ScriptPane* pane = showItemPane(window);
    const int lines = 4 * ScriptLexer::kLinesAtOnce;
    const QString script = QStringLiteral("KEY=value\r\n").repeated(lines) + QStringLiteral("[END]");
    pane->replaceScript(script);
    pane->repaint();
    const long middle = lineStart(*pane, lines / 2);
    QCOMPARE(styleAt(*pane, lineStart(*pane, lines)), ScriptStyle::Header);
    QCOMPARE(styleAt(*pane, middle), ScriptStyle::Plain);

    pane->setFirstVisibleLine(lines / 2);
    pane->repaint();
    QCOMPARE(styleAt(*pane, middle), ScriptStyle::Key);
    pane->setCursorPosition(lines / 2, 0);
    QTest::keyClicks(pane, QStringLiteral("//")); // an edit in view is styled again at once
    pane->repaint();
    QCOMPARE(styleAt(*pane, middle + 4), ScriptStyle::Comment);
}

void ScriptPaneTest::sectionsFold()
{
    MainWindow window;
    ScriptPane* pane = showItemPane(window);
    pane->replaceScript(QStringLiteral("//banner\r\n[ITEMDEF i_a]\r\nNAME=a\r\nID=1\r\n[ITEMDEF i_b]\r\nNAME=b"));
    pane->setFirstVisibleLine(0);
    pane->repaint();
    send(*pane, ScriptPane::SCI_TOGGLEFOLD, 1);
    QList<bool> shown;
    for (int line = 0; line < 6; ++line)
        shown << (send(*pane, ScriptPane::SCI_GETLINEVISIBLE, static_cast<unsigned long>(line)) != 0);
    QCOMPARE(shown, (QList<bool>{true, true, false, false, true, true}));
}

// What a screen reader is told, counted in characters, not in the bytes the pane stores.
void ScriptPaneTest::screenReadersGetTextCaretAndSelection()
{
    MainWindow window;
    ScriptPane* pane = showItemPane(window);
    pane->replaceScript(QString::fromUtf16(u"NAME=\u00E9p\u00E9e\r\nID=1"));
    pane->setSelection(0, 5, 0, 9);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pane);
    QVERIFY(accessible != nullptr);
    QAccessibleTextInterface* text = accessible->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->characterCount(), 15);
    QCOMPARE(text->text(0, text->characterCount()), pane->script());
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(5, 9));
    pane->repaint(); // the editor tells its accessible of the caret as it draws
    QCOMPARE(text->cursorPosition(), 9);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Compiled Item Script"));
}

QTEST_MAIN(ScriptPaneTest)
#include "script_pane_test.moc"
