#include "language_probe.h"
#include "window_test_main.h"

#include <QSettings>
#include <QTextDocument>
#include <QToolTip>

#include <tuple>

using namespace defwright;
using namespace defwright::test;

class PaneLanguageHelpTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void keysTriggersAndNamesAsTheSectionTakesThem();
    void whatBeginsWithTheLettersComesFirst();
    void theMouseRestingOnAWordTellsWhatItIs();
    void showInfoTellsTheSameAtTheCaret();
};

namespace {

// The choice the editor's completion list has selected, empty when none is
// open, once the list has followed the keys typed.
QString completionChoice(QsciScintilla* pane)
{
    QCoreApplication::sendPostedEvents();
    if (pane->SendScintilla(QsciScintillaBase::SCI_AUTOCACTIVE) == 0)
        return {};
    QByteArray text(256, 0);
    const long size = pane->SendScintilla(QsciScintillaBase::SCI_AUTOCGETCURRENTTEXT, 0UL, text.data());
    return QString::fromUtf8(text.left(static_cast<int>(size)));
}

QString lastLine(QsciScintilla* pane)
{
    return pane->text(pane->lines() - 1);
}

ScriptPane* paneWith(MainWindow& window, const QString& name, const QString& script)
{
    showPage(window, name == kItemPane ? 1 : 3);
    ScriptPane* pane = scriptPane(window, name);
    pane->replaceScript(script);
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
    return pane;
}

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

ScriptPane* horseShown(MainWindow& window, const ScriptsFolder& folder)
{
    writeFile(folder.horses(), kHorse);
    if (!openIndexed(window, folder.horses()))
        return nullptr;
    ScriptPane* pane = scriptPane(window, kNpcPane);
    return counted(window, QStringLiteral("1 warning")) ? pane : nullptr;
}

} // namespace

// Keys after two letters at a line's start, triggers after "ON=@", each as
// the section's kind takes them (an item is offered no character's trigger,
// a character no item's key), names of the folder in a naming value. Tab
// and Enter take the choice, Escape leaves what was typed as it was.
void PaneLanguageHelpTest::keysTriggersAndNamesAsTheSectionTakesThem()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    ScriptPane* pane = paneWith(window, kItemPane, QStringLiteral("[ITEMDEF i_new]\r\n"));
    QTest::keyClicks(pane, QStringLiteral("W"));
    QCOMPARE(completionChoice(pane), QString());
    const std::tuple<QString, QString, Qt::Key, QString> steps[] = { // typed, offered, key, line after
        {"ei", "WEIGHT=", Qt::Key_Tab, "WEIGHT="},
        {"resd", "RESDISPDNHUE=", Qt::Key_Escape, "resd"},
        {"ON=@uneq", "@UNEQUIP", Qt::Key_Return, "ON=@UNEQUIP"},
        {"TEVENTS=E_", "e_horse", Qt::Key_Return, "TEVENTS=e_horse"},
    };
    for (const auto& [typed, offered, key, after] : steps) {
        QTest::keyClicks(pane, typed);
        QCOMPARE(completionChoice(pane), offered);
        QTest::keyClick(pane, key);
        QCOMPARE(lastLine(pane), after);
        QCOMPARE(QApplication::focusWidget(), pane);
        QTest::keyClick(pane, Qt::Key_Return);
    }
    QTest::keyClicks(pane, QStringLiteral("DUPEITEM="));
    QTest::keyClick(pane, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(completionChoice(pane), QStringLiteral("i_lantern"));
    QTest::keyClick(pane, Qt::Key_Escape);

    pane = paneWith(window, kItemPane, QStringLiteral("[ITEMDEF i_new]\r\nON=@Create\r\n"));
    QTest::keyClicks(pane, QStringLiteral("ON=@Deat"));
    QCOMPARE(completionChoice(pane), QString()); // only characters die
    pane = paneWith(window, kNpcPane, QStringLiteral("[CHARDEF c_new]\r\n"));
    QTest::keyClicks(pane, QStringLiteral("ON=@Deat"));
    QCOMPARE(completionChoice(pane), QStringLiteral("@Death"));
    QTest::keyClick(pane, Qt::Key_Escape);
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("recha"));
    QCOMPARE(completionChoice(pane), QString()); // RECHARGE= is an item's
}

// "RE" gives the keys that begin with it before those that only hold it,
// ten rows at least; each letter narrows the list, and one that fits
// nothing closes it.
void PaneLanguageHelpTest::whatBeginsWithTheLettersComesFirst()
{
    MainWindow window;
    QVERIFY(showActive(window));
    ScriptPane* pane = paneWith(window, kItemPane, QStringLiteral("[ITEMDEF i_new]\r\n"));
    QTest::keyClicks(pane, QStringLiteral("RE"));
    QCOMPARE(completionChoice(pane), QStringLiteral("REACTIVEPARALYZE="));
    QVERIFY(pane->SendScintilla(QsciScintillaBase::SCI_AUTOCGETMAXHEIGHT) >= 10);
    QTest::keyClicks(pane, QStringLiteral("GENH"));
    QCOMPARE(completionChoice(pane), QStringLiteral("REGENHITS="));
    QTest::keyClick(pane, Qt::Key_Backspace);
    QTest::keyClicks(pane, QStringLiteral("Q"));
    QCOMPARE(completionChoice(pane), QString());
    QCOMPARE(lastLine(pane), QStringLiteral("REGENQ"));

    pane = paneWith(window, kItemPane, QStringLiteral("[ITEMDEF i_new]\r\n"));
    QTest::keyClicks(pane, QStringLiteral("VALFOOD"));
    QCOMPARE(completionChoice(pane), QStringLiteral("REGENVALFOOD=")); // none begins with it
}

// On a key: the key, what accepts it and the note; on a trigger, who fires
// it; on a name, its definition from the folder; on a problem's span or its
// margin symbol, the problem. On a plain value, nothing at all.
void PaneLanguageHelpTest::theMouseRestingOnAWordTellsWhatItIs()
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
void PaneLanguageHelpTest::showInfoTellsTheSameAtTheCaret()
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

DEFWRIGHT_WINDOW_TEST_MAIN(PaneLanguageHelpTest)
#include "pane_language_help_test.moc"
