#include "../scripts_folder_fixture.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

using namespace defwright;
using namespace defwright::test;

namespace {

// What the status bar shows, part by part: file, changes, caret, encoding, line breaks.
QStringList statusParts(const MainWindow& window)
{
    QStringList parts;
    for (const QString label : {"lblStatusFile", "lblStatusModified", "lblStatusCaret"})
        parts << control<QLabel>(window, label)->text();
    for (const QString button : {"cmdStatusEncoding", "cmdStatusLineBreaks"})
        parts << control<QToolButton>(window, button)->text();
    return parts;
}

// Picks an entry of the encoding or line-break button's menu, as a click would offer it.
void choose(const MainWindow& window, const QString& button, const QString& entry)
{
    QMenu* menu = control<QToolButton>(window, button)->menu();
    emit menu->aboutToShow();
    for (QAction* action : menu->actions()) {
        if (action->text() == entry) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no entry " + entry));
}

QString sample(const QString& name)
{
    return QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/") + name;
}

} // namespace

class ScriptStatusBarTest : public QObject {
    Q_OBJECT

private slots:
    void partsAreNamedAndAUtf8FileShowsItsCharactersAndBreaks();
    void chosenFormatIsHowSaveWritesAndSaveWritesThePaneInFront();
    void movingTheCaretNeverLaysTheBarOutAgain();
};

// The bar stands below the client area (whose design size the view commands
// check) and names each part. Of a UTF-8 file, opened at its first line: no
// byte-order mark in the pane and every character as it is; Enter and a paste
// write LF. A trigger button and a rebuild from the fields write the form's
// own script, in its CR LF, and leave the file's as it was.
void ScriptStatusBarTest::partsAreNamedAndAUtf8FileShowsItsCharactersAndBreaks()
{
    MainWindow window;
    window.show(); // the caret's place is told as the pane is drawn
    QCOMPARE(window.statusBar()->geometry().top(), window.centralWidget()->geometry().bottom() + 1);
    QCOMPARE(statusParts(window), (QStringList{"No file", "", "Ln 1, Col 1", "Windows-1252", "CR LF"}));
    QCOMPARE(control(window, "cmdStatusEncoding")->accessibleName(), "Encoding: Windows-1252");
    QCOMPARE(control(window, "cmdStatusLineBreaks")->accessibleName(), "Line breaks: CR LF");
    QCOMPARE(control(window, "lblStatusCaret")->accessibleName(), "Caret: Ln 1, Col 1");
    QCOMPARE(control(window, "lblStatusFile")->accessibleName(), "File: No file");
    QCOMPARE(control(window, "lblStatusModified")->accessibleName(), "Changes: none");
    window.openItemScript(sample("items/i_magic_magery.scp"));
    auto* editor = control<ScriptPane>(window, "txtEdit");
    QCOMPARE(editor->SendScintilla(ScriptPane::SCI_GETCHARAT, 0), long('/')); // QString would hide a mark
    QCOMPARE(statusParts(window).mid(3), (QStringList{"UTF-8 with BOM", "LF"}));
    window.openItemScript(sample("npcs/c_monster_lbr.scp"));
    QVERIFY(pane(window, "txtEdit")->script().contains(QString::fromUtf16(u"// f\u0131xme")));
    QCOMPARE(statusParts(window), (QStringList{"c_monster_lbr.scp", "", "Ln 1, Col 1", "UTF-8", "LF"}));
    QCOMPARE(control(window, "lblStatusFile")->toolTip(), sample("npcs/c_monster_lbr.scp"));

    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClicks(editor, "ab");
    QTest::keyClick(editor, Qt::Key_Return);
    QGuiApplication::clipboard()->setText("c\r\nd\re");
    editor->paste();
    QTRY_COMPARE(statusParts(window).mid(1, 2), (QStringList{"Modified", "Ln 4, Col 2"}));
    const QString edited = pane(window, "txtEdit")->script();
    QVERIFY(edited.startsWith("ab\nc\nd\ne//"));
    QMetaObject::invokeMethod(control(window, "cmdtriggers(0)"), "click");
    QCOMPARE(pane(window, "txtEdit")->script(), "\r\n\r\nON=@CLICK\r\n");
    QCOMPARE(statusParts(window).mid(3), (QStringList{"Windows-1252", "CR LF"}));
    QTest::keyClicks(control(window, "txtidef"), "x");
    QVERIFY(pane(window, "txtEdit")->script().startsWith("//Compiled with Defwright by Vostrel\r\n//"));
    const PaneDocument* file = paneDocuments(window, "txtEdit")->documentOf(sample("npcs/c_monster_lbr.scp"));
    QCOMPARE(QString::fromUtf8(file->editor().bytes()), edited);
}

// Breaks chosen in the bar are converted as one undo step, the caret kept on
// its line; an encoding chosen changes the bytes only. Save writes the script
// in front, item or NPC, to its own file, and offers UTF-8 for what Windows-1252 lacks.
void ScriptStatusBarTest::chosenFormatIsHowSaveWritesAndSaveWritesThePaneInFront()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString item = dir.filePath("item.scp");
    const QString npc = dir.filePath("npc.scp");
    writeFile(item, "a\nb\r\nc\n");
    writeFile(npc, "n\xE9");
    window.openItemScript(item);
    QCOMPARE(statusParts(window).at(4), "Mixed");
    QVERIFY2(window.statusBar()->currentMessage().contains("new lines end with LF"),
             qPrintable(window.statusBar()->currentMessage()));
    caretToLine(window, "txtEdit", 1);
    choose(window, "cmdStatusLineBreaks", "CR");
    QCOMPARE(pane(window, "txtEdit")->script(), "a\rb\rc\r");
    QCOMPARE(pane(window, "txtEdit")->caretLine(), 1);
    QTest::keyClick(control(window, "txtEdit"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(window, "txtEdit")->script(), "a\nb\r\nc\n");
    choose(window, "cmdStatusLineBreaks", "CR LF");
    choose(window, "cmdStatusEncoding", "UTF-8 with BOM");
    ModalAnswers answers;
    answers.then(chooseFile(npc));
    trigger(window, "mnuOpenNpc");
    pane(window, "txtnEdit")->replaceScript(QString::fromUtf16(u"\u00E9\u65E5"));
    showPage(window, 1);
    trigger(window, "mnuSave");
    QCOMPARE(contents(item), "\xEF\xBB\xBF" "a\r\nb\r\nc\r\n");
    QCOMPARE(contents(npc), "n\xE9");

    showPage(window, 2);
    answers.then([](QWidget* box) { control<QPushButton>(*box, "cmdSaveAsUtf8")->click(); });
    trigger(window, "mnuSave");
    QCOMPARE(contents(npc), "\xC3\xA9\xE6\x97\xA5");
    QCOMPARE(statusParts(window).mid(3), (QStringList{"UTF-8", "CR LF"}));
    QCOMPARE(statusParts(window).mid(0, 2), (QStringList{"npc.scp", ""}));

    answers.then(press(QMessageBox::Ok));
    trigger(window, "mnuNew");
    showPage(window, 0);
    trigger(window, "mnuSave");
    QCOMPARE(statusParts(window).mid(3), (QStringList{"Windows-1252", "CR LF"}));
    QCOMPARE(statusParts(window).constFirst(), "No file");
    QCOMPARE(window.windowTitle(), "Defwright");
    QVERIFY(answeredAll(answers));
}

// The caret's part only widens, once for a longer text: moving the caret
// back and forth shows each place in full, and neither that part nor the
// others move or change size, which laying the bar out at every key would.
void ScriptStatusBarTest::movingTheCaretNeverLaysTheBarOutAgain()
{
    MainWindow window;
    QVERIFY(showActive(window));
    showPage(window, 1);
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtEdit"));
    auto* caret = control<QLabel>(window, QStringLiteral("lblStatusCaret"));
    pane->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(pane, QStringLiteral("NAME=a long enough value"));
    for (int round = 0; round < 2; ++round) // what the last widening set off
        QCoreApplication::sendPostedEvents();
    const QRect encoding = control(window, "cmdStatusEncoding")->geometry();
    const QRect place = caret->geometry();
    for (int round = 0; round < 3; ++round) {
        for (const Qt::Key key : {Qt::Key_Home, Qt::Key_End}) {
            QTest::keyClick(pane, key);
            QCoreApplication::sendPostedEvents();
            QVERIFY(caret->width() >= caret->sizeHint().width());
            QCOMPARE(control(window, "cmdStatusEncoding")->geometry(), encoding);
            QCOMPARE(caret->geometry(), place);
        }
    }
    QCOMPARE(caret->text(), QStringLiteral("Ln 1, Col 25"));
}

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptStatusBarTest)
#include "script_status_bar_test.moc"
