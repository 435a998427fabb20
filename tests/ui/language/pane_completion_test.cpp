#include "language_probe.h"
#include "window_test_main.h"

#include <QSettings>

#include <tuple>

using namespace defwright;
using namespace defwright::test;

class PaneCompletionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void keysTriggersAndNamesAsTheSectionTakesThem();
    void whatBeginsWithTheLettersComesFirst();
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

} // namespace

// Keys after two letters at a line's start, triggers after "ON=@", each as
// the section's kind takes them (an item is offered no character's trigger,
// a character no item's key), names of the folder in a naming value. Tab
// and Enter take the choice, Escape leaves what was typed as it was.
void PaneCompletionTest::keysTriggersAndNamesAsTheSectionTakesThem()
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
void PaneCompletionTest::whatBeginsWithTheLettersComesFirst()
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

DEFWRIGHT_WINDOW_TEST_MAIN(PaneCompletionTest)
#include "pane_completion_test.moc"
