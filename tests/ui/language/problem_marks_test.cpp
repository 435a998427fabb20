#include "language_probe.h"
#include "ui/language/document_problems.h"
#include "window_test_main.h"

#include <QMenu>
#include <QSettings>
#include <QSignalSpy>

#include <tuple>

using namespace defwright;
using namespace defwright::test;

class ProblemMarksTest : public QObject {
    Q_OBJECT

private slots:
    void marksComeAndGoAsYouTypeAndUndo();
    void aKeyInALongScriptIsCheckedWithItsSectionAtOnce();
    void eachDocumentKeepsItsMarksAndNoFileGetsThem();
    void nextAndPreviousProblemGoRoundTheEnds();
    void aFixIsOneUndoStep();
    void keptProblemsMoveWithEdits_data();
    void keptProblemsMoveWithEdits();
};

namespace {

const QByteArray kItem = "[ITEMDEF i_x]\r\nNAME=x\r\n";

// The item script page showing the form's script with `text`, checked.
ScriptPane* itemScriptWith(MainWindow& window, const QByteArray& text)
{
    showPage(window, 1);
    ScriptPane* pane = scriptPane(window, kItemPane);
    pane->replaceScript(QString::fromUtf8(text));
    paneProblems(window, kItemPane)->checkNow();
    pane->setFocus();
    return pane;
}

} // namespace

// Typed, a key no ITEMDEF accepts is squiggled amber with a mark on its line
// once the typing pauses; the count tells it; Ctrl+Z takes the key and its
// marks away. An IF left open is an error, red.
void ProblemMarksTest::marksComeAndGoAsYouTypeAndUndo()
{
    MainWindow window;
    QVERIFY(showActive(window));
    ScriptPane* pane = itemScriptWith(window, kItem);
    QVERIFY(counted(window, QStringLiteral("No problems")));
    QCOMPARE(control<QLabel>(window, QStringLiteral("lblStatusProblems"))->accessibleName(),
             QStringLiteral("Problems: No problems"));

    QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(pane, QStringLiteral("WEIGTH=3"));
    QVERIFY(counted(window, QStringLiteral("1 warning")));
    const std::size_t key = placeOf(pane, "WEIGTH");
    QVERIFY(squiggled(pane, Severity::Warning, key) && squiggled(pane, Severity::Warning, key + 5));
    QVERIFY(!squiggled(pane, Severity::Warning, key + 6)); // the "=" and the value are not the fault
    QVERIFY(markedLine(pane, Severity::Warning, 2));

    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(counted(window, QStringLiteral("No problems")));
    QVERIFY(!markedLine(pane, Severity::Warning, 2));
    QCOMPARE(squiggles(pane), Runs());

    QTest::keyClicks(pane, QStringLiteral("ON=@Create"));
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("IF <eval 1>"));
    QVERIFY(counted(window, QStringLiteral("1 error")));
    QVERIFY(squiggled(pane, Severity::Error, placeOf(pane, "IF <")));
    QVERIFY(markedLine(pane, Severity::Error, 3));
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("ENDIF"));
    QVERIFY(counted(window, QStringLiteral("No problems")));
    QVERIFY(!markedLine(pane, Severity::Error, 3));
}

// A script too long to check on the window's thread is checked whole on a
// worker; a key typed in a body then has only its section checked, which
// ends before checkNow() returns.
void ProblemMarksTest::aKeyInALongScriptIsCheckedWithItsSectionAtOnce()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QByteArray text;
    for (int item = 0; text.size() < 512 * 1024; ++item)
        text += "[ITEMDEF i_" + QByteArray::number(item) + "]\r\nNAME=x\r\n";
    QSignalSpy checked(paneProblems(window, kItemPane), &PaneProblems::problemsChanged);
    ScriptPane* pane = itemScriptWith(window, text);
    QVERIFY(QTest::qWaitFor([&checked] { return !checked.isEmpty(); })); // the worker's check
    pane->setCursorPosition(1001, 6); // the end of a NAME= line
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("WEIGTH=1"));
    paneProblems(window, kItemPane)->checkNow();
    QCOMPARE(problemCount(window), QStringLiteral("1 warning"));
    QVERIFY(markedLine(pane, Severity::Warning, 1002));
}

// The marks are the document's: the form's script and a file opened beside
// it each show their own at once when brought back. Saving writes the text
// and nothing else.
void ProblemMarksTest::eachDocumentKeepsItsMarksAndNoFileGetsThem()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("faulty.scp"));
    const QByteArray faulty = "[ITEMDEF i_a]\nNAME=a\nWEIGHTT=2\n[ITEMDEF i_b\nNAME=b\n";
    writeFile(path, faulty);
    MainWindow window;
    QVERIFY(showActive(window));
    ScriptPane* pane = itemScriptWith(window, kItem + "FAME=1\r\n");
    QVERIFY(counted(window, QStringLiteral("1 warning")));
    window.openItemScript(path);
    QVERIFY(counted(window, QStringLiteral("1 error, 1 warning")));
    const std::size_t unknown = placeOf(pane, "WEIGHTT");
    QVERIFY(squiggled(pane, Severity::Warning, unknown));
    QVERIFY(squiggled(pane, Severity::Error, placeOf(pane, "[ITEMDEF i_b")));

    DocumentTabs* documents = paneDocuments(window, kItemPane);
    documents->bringToFront(documents->form());
    QVERIFY(squiggled(pane, Severity::Warning, placeOf(pane, "FAME")));
    QVERIFY(!squiggled(pane, Severity::Error, 0));
    documents->bringToFront(documents->documents().at(1));
    QVERIFY(squiggled(pane, Severity::Warning, unknown));
    QVERIFY(markedLine(pane, Severity::Error, 3));
    QVERIFY(counted(window, QStringLiteral("1 error, 1 warning")));

    trigger(window, QStringLiteral("mnuSave"));
    QCOMPARE(contents(path), faulty);
}

// F8 goes from the caret to the next problem, Shift+F8 to the one before,
// each round the ends, saying so; the status bar tells the problem too.
void ProblemMarksTest::nextAndPreviousProblemGoRoundTheEnds()
{
    MainWindow window;
    QVERIFY(showActive(window));
    ScriptPane* pane = itemScriptWith(window, kItem + "FAME=1\r\nON=@Create\r\nENDIF\r\n");
    QVERIFY(counted(window, QStringLiteral("1 error, 1 warning")));
    const std::size_t fame = placeOf(pane, "FAME");
    const std::size_t endif = placeOf(pane, "ENDIF");
    showPage(window, 0); // from the fields page too, the script comes to the front

    QTest::keyClick(&window, Qt::Key_F8);
    QCOMPARE(currentPage(window), 1);
    QCOMPARE(pane->caretPosition(), fame);
    const QString atFame = QStringLiteral("Line 3: Warning: Unknown ITEMDEF key FAME: did you mean NAME?");
    QVERIFY(statusMessage(window).startsWith(atFame));
    const QString atEndif = QStringLiteral("Line 5: Error: ENDIF with no IF open");
    const std::tuple<Qt::KeyboardModifiers, std::size_t, QString> steps[] = { // F8 with, caret, status
        {Qt::NoModifier, endif, atEndif},
        {Qt::NoModifier, fame, atFame + " (went on from the top)"},
        {Qt::ShiftModifier, endif, atEndif + " (went on from the bottom)"},
        {Qt::ShiftModifier, fame, atFame},
    };
    for (const auto& [modifiers, caret, status] : steps) {
        QTest::keyClick(pane, Qt::Key_F8, modifiers);
        QCOMPARE(pane->caretPosition(), caret);
        QCOMPARE(statusMessage(window), status);
    }

    pane->replaceScript(QString::fromUtf8(kItem));
    QTest::keyClick(pane, Qt::Key_F8);
    QCOMPARE(statusMessage(window), QStringLiteral("No problems in this script"));
}

// The context menu offers what the problem under the mouse means; taken,
// it is one edit, which one Ctrl+Z takes back. Ctrl+. takes the fix at the caret.
void ProblemMarksTest::aFixIsOneUndoStep()
{
    MainWindow window;
    QVERIFY(showActive(window));
    ScriptPane* pane = itemScriptWith(window, kItem + "WEIGTH=3\r\n");
    QVERIFY(counted(window, QStringLiteral("1 warning")));
    const QPoint point = pointOf(pane, "WEIGTH", 2);
    QContextMenuEvent asked(QContextMenuEvent::Mouse, point, pane->viewport()->mapToGlobal(point));
    QApplication::sendEvent(pane->viewport(), &asked);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QAction* fix = menu->actions().constFirst();
    QCOMPARE(fix->objectName(), QStringLiteral("mnuApplyFix"));
    QCOMPARE(fix->text(), QStringLiteral("Replace with WEIGHT"));
    fix->trigger();
    menu->close();
    window.activateWindow(); // the menu had the keyboard
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QString::fromUtf8(pane->bytes()), QString::fromUtf8(kItem + "WEIGHT=3\r\n"));
    QVERIFY(counted(window, QStringLiteral("No problems")));
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(QString::fromUtf8(pane->bytes()), QString::fromUtf8(kItem + "WEIGTH=3\r\n"));

    QVERIFY(counted(window, QStringLiteral("1 warning")));
    QTest::keyClick(pane, Qt::Key_Up);
    QTest::keyClick(pane, Qt::Key_Period, Qt::ControlModifier);
    QCOMPARE(statusMessage(window), QStringLiteral("No fix for a problem at the caret"));
    QTest::keyClick(pane, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_Up);
    QTest::keyClick(pane, Qt::Key_Period, Qt::ControlModifier);
    QCOMPARE(QString::fromUtf8(pane->bytes()), QString::fromUtf8(kItem + "WEIGHT=3\r\n"));
}

using Edits = QList<DocumentProblems::Edit>;

// Problems found before edits, read after them: spans and fixes move with
// what went in or out before them, stay for what came after, and a problem
// whose every byte went out goes.
void ProblemMarksTest::keptProblemsMoveWithEdits_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QList<int>>("spans"); // start, end, fix start, fix end of each problem left
    QTest::addColumn<QList<int>>("changed"); // the range to check again
    QTest::newRow("typed before") << Edits{{0, 0, 3}} << QList<int>{13, 16, 13, 16, 23, 25, 23, 23} << QList<int>{0, 3};
    QTest::newRow("typed after") << Edits{{30, 0, 2}} << QList<int>{10, 13, 10, 13, 20, 22, 20, 20} << QList<int>{30, 32};
    QTest::newRow("typed inside") << Edits{{11, 0, 1}} << QList<int>{10, 14, 10, 14, 21, 23, 21, 21} << QList<int>{11, 12};
    QTest::newRow("typed at a span's end") << Edits{{13, 0, 1}} << QList<int>{10, 13, 10, 13, 21, 23, 21, 21} << QList<int>{13, 14};
    QTest::newRow("span taken out") << Edits{{9, 5, 0}} << QList<int>{15, 17, 15, 15} << QList<int>{9, 9};
    QTest::newRow("two edits") << Edits{{0, 2, 0}, {25, 0, 4}} << QList<int>{8, 11, 8, 11, 18, 20, 18, 18}
                               << QList<int>{0, 29};
}

void ProblemMarksTest::keptProblemsMoveWithEdits()
{
    QFETCH(Edits, edits);
    QFETCH(QList<int>, spans);
    QFETCH(QList<int>, changed);
    DocumentProblems problems;
    QVERIFY(problems.takeWhole({{{10, 13}, Severity::Warning, "a", TextEdit{10, 13, "b"}},
                                {{20, 22}, Severity::Error, "c", TextEdit{20, 20, "]"}}},
                               std::nullopt, problems.version()));
    for (const DocumentProblems::Edit& edit : edits)
        problems.edited(edit, false);
    QList<int> found;
    for (const ScriptProblem& problem : problems.problems())
        found << int(problem.span.start) << int(problem.span.end) << int(problem.fix->start) << int(problem.fix->end);
    QCOMPARE(found, spans);
    QCOMPARE(QList<int>({int(problems.changedRange()->start), int(problems.changedRange()->end)}), changed);
    QVERIFY(!problems.takeWhole({}, std::nullopt, problems.version() - 1)); // a check of an older text
    QCOMPARE(problems.problems().size(), std::size_t(spans.size() / 4));
}

DEFWRIGHT_WINDOW_TEST_MAIN(ProblemMarksTest)
#include "problem_marks_test.moc"
