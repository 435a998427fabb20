#include "ui/panes/script_highlighter.h"
#include "ui/panes/script_pane.h"
#include "window_probe.h"

#include <QClipboard>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtTest>

#include <cmath>

using defwright::ScriptHighlighter;
using defwright::ScriptPane;
using defwright::ScriptRole;

namespace {

/// A coloured stretch of one line, as the test expects it.
struct Span {
    int start;
    int length;
    ScriptRole role;
    bool operator==(const Span&) const = default;
};

ScriptHighlighter* highlighterOf(const ScriptPane& pane)
{
    return pane.document()->findChild<ScriptHighlighter*>();
}

// Reads back which role each drawn stretch of a line has.
QList<Span> spansOf(const ScriptPane& pane, int line)
{
    const ScriptHighlighter* highlighter = highlighterOf(pane);
    constexpr std::array kRoles{ScriptRole::Key,     ScriptRole::Value,  ScriptRole::Range,
                                ScriptRole::Trigger, ScriptRole::Header, ScriptRole::Comment};
    QList<Span> spans;
    for (const QTextLayout::FormatRange& range : pane.document()->findBlockByNumber(line).layout()->formats()) {
        const auto role = std::find_if(kRoles.begin(), kRoles.end(), [&](ScriptRole candidate) {
            return highlighter->format(candidate) == range.format;
        });
        if (role == kRoles.end())
            qFatal("line %d has a format of no role", line);
        spans << Span{range.start, range.length, *role};
    }
    return spans;
}

double luminance(const QColor& colour)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("NAME=Sword");
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

namespace QTest {
template <>
char* toString(const Span& span)
{
    return qstrdup(qPrintable(QStringLiteral("{%1, %2, role %3}").arg(span.start).arg(span.length).arg(int(span.role))));
}
} // namespace QTest

class ScriptHighlighterTest : public QObject {
    Q_OBJECT

private slots:
    void eachKindOfLineGetsItsColour();
    void colouringLeavesTextCaretSelectionAndUndoAlone();
    void coloursReadWellOnLightAndDarkPanes();
    void longScriptsAreColouredInView();
};

void ScriptHighlighterTest::eachKindOfLineGetsItsColour()
{
    ScriptPane pane;
    pane.replaceScript(QStringLiteral("// Swords\r\n"
                                      "[ITEMDEF i_magic_sword]\r\n"
                                      "NAME=Magic sword // the blade\r\n"
                                      "DAM={30 40}\r\n"
                                      "TAG.OWNER = a=b\r\n"
                                      "ON=@CREATE\r\n"
                                      "on=@Click\r\n"
                                      "no key here"));

    using enum ScriptRole;
    QCOMPARE(spansOf(pane, 0), (QList<Span>{{0, 9, Comment}}));
    QCOMPARE(spansOf(pane, 1), (QList<Span>{{0, 23, Header}}));
    QCOMPARE(spansOf(pane, 2), (QList<Span>{{0, 4, Key}, {5, 12, Value}, {17, 12, Comment}}));
    QCOMPARE(spansOf(pane, 3), (QList<Span>{{0, 3, Key}, {4, 7, Range}}));
    QCOMPARE(spansOf(pane, 4), (QList<Span>{{0, 9, Key}, {11, 4, Value}}));
    QCOMPARE(spansOf(pane, 5), (QList<Span>{{0, 10, Trigger}}));
    QCOMPARE(spansOf(pane, 6), (QList<Span>{{0, 9, Trigger}}));
    QCOMPARE(spansOf(pane, 7), QList<Span>{});
}

// Colours are drawn, never written: another palette colours the pane again
// without touching the text, the caret, the selection or the undo steps.
void ScriptHighlighterTest::colouringLeavesTextCaretSelectionAndUndoAlone()
{
    defwright::MainWindow window;
    auto* pane = defwright::test::control<ScriptPane>(window, QStringLiteral("txtnEdit"));
    pane->replaceScript(QStringLiteral("[CHARDEF c_troll_guard]\r\nNAME=Troll guard"));
    pane->replaceScript(QStringLiteral("[CHARDEF c_troll_guard]\r\nNAME=Troll guard\r\nON=@CREATE"));
    QTextCursor selection = pane->textCursor();
    selection.setPosition(3);
    selection.setPosition(10, QTextCursor::KeepAnchor);
    pane->setTextCursor(selection);
    const int undoSteps = pane->document()->availableUndoSteps();
    const QTextCharFormat triggerBefore = highlighterOf(*pane)->format(ScriptRole::Trigger);

    QPalette dark = pane->palette();
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xd4, 0xd4, 0xd4));
    pane->setPalette(dark);

    QVERIFY(highlighterOf(*pane)->format(ScriptRole::Trigger) != triggerBefore);
    QCOMPARE(spansOf(*pane, 2), (QList<Span>{{0, 10, ScriptRole::Trigger}}));
    QCOMPARE(pane->script(), QStringLiteral("[CHARDEF c_troll_guard]\r\nNAME=Troll guard\r\nON=@CREATE"));
    QCOMPARE(pane->textCursor().anchor(), 3);
    QCOMPARE(pane->textCursor().position(), 10);
    QCOMPARE(pane->document()->availableUndoSteps(), undoSteps);
    pane->undo();
    QCOMPARE(pane->script(), QStringLiteral("[CHARDEF c_troll_guard]\r\nNAME=Troll guard"));
}

// Every colour stands out from the pane's background as well as body text
// must (a contrast of 4.5 to 1), on a light desktop theme and on a dark one,
// and no two kinds of text look the same.
void ScriptHighlighterTest::coloursReadWellOnLightAndDarkPanes()
{
    for (const QColor& background : {QColor(Qt::white), QColor(0xf0, 0xf0, 0xe8), QColor(0x1e, 0x1e, 0x1e),
                                     QColor(Qt::black), QColor(0x30, 0x38, 0x48)}) {
        ScriptPane pane;
        QPalette palette = pane.palette();
        palette.setColor(QPalette::Base, background);
        pane.setPalette(palette);
        QSet<QRgb> seen;
        for (const ScriptRole role : {ScriptRole::Key, ScriptRole::Value, ScriptRole::Range, ScriptRole::Trigger,
                                      ScriptRole::Header, ScriptRole::Comment}) {
            const QColor colour = highlighterOf(pane)->format(role).foreground().color();
            QVERIFY2(contrast(colour, background) >= 4.5,
                     qPrintable(colour.name() + QStringLiteral(" on ") + background.name()));
            seen.insert(colour.rgb());
        }
        QCOMPARE(seen.size(), 6);
    }
}

// A long script, put in whole, pasted or brought back by undo, is coloured
// where the scripter looks: the lines in view, again after an edit, and the
// others as they are scrolled into view. The pane's page may be hidden when
// the script comes in.
void ScriptHighlighterTest::longScriptsAreColouredInView()
{
    using enum ScriptRole;
    defwright::MainWindow window;
    QVERIFY(defwright::test::showActive(window));
    auto* pane = defwright::test::control<ScriptPane>(window, QStringLiteral("txtEdit"));
    const QString longScript = lines(ScriptHighlighter::kMaxWholeDocumentLines) + QStringLiteral("\r\nON=@CREATE");
    pane->replaceScript(lines(ScriptHighlighter::kMaxWholeDocumentLines));
    QVERIFY(highlighterOf(*pane)->coloursWholeDocument());
    pane->replaceScript(QStringLiteral("[ITEMDEF i_sword]"));

    pane->replaceScript(longScript);
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    QCoreApplication::processEvents();
    const int lastLine = ScriptHighlighter::kMaxWholeDocumentLines;
    QVERIFY(!highlighterOf(*pane)->coloursWholeDocument());
    QCOMPARE(pane->script(), longScript);
    QCOMPARE(spansOf(*pane, lastLine), (QList<Span>{{0, 10, Trigger}}));
    QCOMPARE(spansOf(*pane, lastLine - 1), (QList<Span>{{0, 4, Key}, {5, 5, Value}}));
    QVERIFY(spansOf(*pane, 0).isEmpty());

    pane->moveCursor(QTextCursor::Start);
    QCoreApplication::processEvents();
    QCOMPARE(spansOf(*pane, 0), (QList<Span>{{0, 4, Key}, {5, 5, Value}}));
    QTest::keyClicks(pane, QStringLiteral("//"));
    QCoreApplication::processEvents();
    QCOMPARE(spansOf(*pane, 0), (QList<Span>{{0, 12, Comment}}));

    QPalette dark = pane->palette();
    dark.setColor(QPalette::Base, Qt::black);
    pane->setPalette(dark);
    QCoreApplication::processEvents();
    QCOMPARE(spansOf(*pane, 1), (QList<Span>{{0, 4, Key}, {5, 5, Value}}));

    pane->undo();
    pane->undo();
    QCOMPARE(pane->script(), QStringLiteral("[ITEMDEF i_sword]"));
    pane->redo();
    QCoreApplication::processEvents();
    QCOMPARE(pane->document()->blockCount(), lastLine + 1);
    QVERIFY(!spansOf(*pane, pane->textCursor().blockNumber()).isEmpty());

    ScriptPane pasteInto;
    QGuiApplication::clipboard()->setText(longScript);
    pasteInto.paste();
    QVERIFY(!highlighterOf(pasteInto)->coloursWholeDocument());
    QCOMPARE(pasteInto.document()->blockCount(), lastLine + 1);
}

QTEST_MAIN(ScriptHighlighterTest)
#include "script_highlighter_test.moc"
