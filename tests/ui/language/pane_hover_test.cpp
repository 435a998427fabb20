#include "language_probe.h"
#include "window_test_main.h"

#include <QSettings>
#include <QTextDocument>
#include <QToolTip>

using namespace defwright;
using namespace defwright::test;

class PaneHoverTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void theMouseRestingOnAWordTellsWhatItIs();
    void showInfoTellsTheSameAtTheCaret();
};

namespace {

const QByteArray kHorse = "[CHARDEF c_horse]\nTEVENTS=e_horse\nDEXX=1\nON=@Click\nITEMNEWBIE=i_lantern\n";

// The tooltip's lines as shown, or none when no tooltip shows.
QStringList tooltipLines()
{
    if (!QToolTip::isVisible())
        return {};
    QTextDocument shown;
    shown.setHtml(QToolTip::text());
    return shown.toPlainText().split(QLatin1Char('\n'));
}

QStringList hoverAt(ScriptPane* pane, const QPoint& point)
{
    QToolTip::hideText(); // it goes a moment later
    if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
        return {"still shown"};
    QHelpEvent rest(QEvent::ToolTip, point, pane->viewport()->mapToGlobal(point));
    QApplication::sendEvent(pane->viewport(), &rest);
    return tooltipLines();
}

// The middle of the character `offset` bytes into the first `what` of the pane.
QPoint pointOf(ScriptPane* pane, std::string_view what, std::size_t offset = 1)
{
    const auto at = static_cast<long>(std::string(pane->bytes()).find(what) + offset);
    const long height = pane->SendScintilla(ScriptPane::SCI_TEXTHEIGHT, 0UL);
    return {static_cast<int>(pane->SendScintilla(ScriptPane::SCI_POINTXFROMPOSITION, 0UL, at)) + 2,
            static_cast<int>(pane->SendScintilla(ScriptPane::SCI_POINTYFROMPOSITION, 0UL, at) + height / 2)};
}

ScriptPane* horseShown(MainWindow& window, const ScriptsFolder& folder)
{
    writeFile(folder.horses(), kHorse);
    if (!openIndexed(window, folder.horses()))
        return nullptr;
    ScriptPane* pane = scriptPane(window, kNpcPane);
    return counted(window, QStringLiteral("1 warning")) ? pane : nullptr;
}

} // namespace

// On a key: the key, what accepts it and the note; on a trigger, who fires
// it; on a name, its definition from the folder; on a problem's span or its
// margin symbol, the problem. On a plain value, nothing at all.
void PaneHoverTest::theMouseRestingOnAWordTellsWhatItIs()
{
    const ScriptsFolder folder;
    MainWindow window;
    ScriptPane* pane = horseShown(window, folder);
    QVERIFY(pane != nullptr);

    const QStringList key = hoverAt(pane, pointOf(pane, "TEVENTS"));
    QCOMPARE(key.value(0), QStringLiteral("TEVENTS="));
    QVERIFY(key.value(1).startsWith(QStringLiteral("Accepted in: ")) && key.value(1).contains(QStringLiteral("CHARDEF")));
    QCOMPARE(key.constLast(), QStringLiteral("Event sections put on every object of this definition."));
    QCOMPARE(hoverAt(pane, pointOf(pane, "@Click", 2)), QStringList({"@CLICK", "Fired by: item, character"}));
    QCOMPARE(hoverAt(pane, pointOf(pane, "i_lantern", 3)),
             QStringList({"[ITEMDEF 0a25]", QStringLiteral("NAME=lantern \u00e9"), "items/lights.scp:601"}));
    QCOMPARE(hoverAt(pane, pointOf(pane, "DEXX")),
             QStringList{"Warning: Unknown CHARDEF key DEXX: did you mean DEX?"});
    QVERIFY(hoverAt(pane, pointOf(pane, "=1", 1)).isEmpty());
    QVERIFY(hoverAt(pane, pointOf(pane, "c_horse", 0) + QPoint(2000, 0)).isEmpty());

    const QPoint margin(pane->marginWidth(0) + pane->marginWidth(1) + 3, pointOf(pane, "DEXX").y());
    QCOMPARE(hoverAt(pane, margin), QStringList{"Warning: Unknown CHARDEF key DEXX: did you mean DEX?"});
}

// A keyboard's Show Info gives the tooltip at the caret, and screen readers
// the same as the pane's description until the caret moves on.
void PaneHoverTest::showInfoTellsTheSameAtTheCaret()
{
    const ScriptsFolder folder;
    MainWindow window;
    ScriptPane* pane = horseShown(window, folder);
    QVERIFY(pane != nullptr);
    QWidget* editor = caretAt(window, kNpcPane, 1, 3);
    QToolTip::hideText();
    QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tooltipLines().value(0), QStringLiteral("TEVENTS="));
    QVERIFY(pane->accessibleDescription().startsWith(QStringLiteral("TEVENTS=\nAccepted in: ")));
    QTest::keyClick(editor, Qt::Key_Right);
    QTRY_COMPARE(pane->accessibleDescription(), QString());

    QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Space, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(statusMessage(window), QStringLiteral("Nothing to tell of the place at the caret"));
}

DEFWRIGHT_WINDOW_TEST_MAIN(PaneHoverTest)
#include "pane_hover_test.moc"
