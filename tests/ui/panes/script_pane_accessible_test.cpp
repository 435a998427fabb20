#include "long_script.h"
#include "ui/panes/script_pane.h"
#include "window_probe.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <vector>

using namespace defwright;
using namespace defwright::test;

namespace {

// What a screen reader is told of a pane: an edit's or the caret's offset, and the text.
struct Told {
    QAccessible::Event event;
    int offset;
    QString text;
    bool operator==(const Told&) const = default;
};

std::vector<Told>& told()
{
    static std::vector<Told> events;
    return events;
}

void record(QAccessibleEvent* event)
{
    if (qobject_cast<ScriptPane*>(event->object()) == nullptr)
        return;
    if (event->type() == QAccessible::TextInserted) {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        told().push_back({event->type(), inserted->changePosition(), inserted->textInserted()});
    } else if (event->type() == QAccessible::TextRemoved) {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        told().push_back({event->type(), removed->changePosition(), removed->textRemoved()});
    } else if (event->type() == QAccessible::TextCaretMoved) {
        told().push_back({event->type(), static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition(), {}});
    }
}

// Accessibility on, as while a screen reader runs, and what the panes tell kept in told().
struct ScreenReader {
    ScreenReader()
    {
        told().clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        previous = QAccessible::installUpdateHandler(&record);
    }
    ~ScreenReader()
    {
        QAccessible::installUpdateHandler(previous);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    QAccessible::UpdateHandler previous;
};

int characters(const QString& text)
{
    return static_cast<int>(text.toUcs4().size());
}

} // namespace

class ScriptPaneAccessibleTest : public QObject {
    Q_OBJECT

private slots:
    void editsAndCaretAreToldAtCharacterOffsets_data() { shortAndLongScripts(); }
    void editsAndCaretAreToldAtCharacterOffsets();
    void screenReaderReadsAndEditsWhereItAsks_data() { shortAndLongScripts(); }
    void screenReaderReadsAndEditsWhereItAsks();
};

// Each key, undo and trigger button is told as it is handled, in characters
// (the first line holds letters of two and four bytes).
void ScriptPaneAccessibleTest::editsAndCaretAreToldAtCharacterOffsets()
{
    MainWindow window;
    ScriptPane* pane = rowPane(window);
    const int end = characters(pane->script());
    const ScreenReader reader;
    QTest::keyClick(pane, Qt::Key_X);
    QTest::keyClick(pane, Qt::Key_Backspace);
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    control<QAbstractButton>(window, QStringLiteral("cmdtriggers(0)"))->click();
    pane->repaint();

    const QString block = QStringLiteral("\r\n\r\nON=@CLICK\r\n");
    const std::vector<Told> expected = {
        {QAccessible::TextInserted, end, QStringLiteral("x")},    {QAccessible::TextCaretMoved, end + 1, {}},
        {QAccessible::TextRemoved, end, QStringLiteral("x")},     {QAccessible::TextCaretMoved, end, {}},
        {QAccessible::TextInserted, end, QStringLiteral("\r\n")}, {QAccessible::TextCaretMoved, end + 2, {}},
        {QAccessible::TextRemoved, end, QStringLiteral("\r\n")},  {QAccessible::TextCaretMoved, end, {}},
        {QAccessible::TextInserted, end, block},                  {QAccessible::TextCaretMoved, end + 15, {}},
    };
    QCOMPARE(told(), expected);
}

// Characters, words and lines read at the end of the text and at its first
// line; the caret and the selection put by offset; an edit by offset is one undo step.
void ScriptPaneAccessibleTest::screenReaderReadsAndEditsWhereItAsks()
{
    MainWindow window;
    ScriptPane* pane = rowPane(window, "\r\nON=@CLICK");
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(pane);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QVERIFY(accessible->state().multiLine && accessible->state().editable);
    QAccessibleTextInterface* text = accessible->textInterface();
    const int end = characters(pane->script());
    QCOMPARE(text->characterCount(), end);
    QCOMPARE(text->cursorPosition(), end);
    QCOMPARE(text->text(end - 11, end), QStringLiteral("\r\nON=@CLICK"));

    const std::tuple<int, QAccessible::TextBoundaryType, int, QString, int> units[] = {
        // the offset asked for, the unit, and where the unit before, at and after it starts
        {end - 2, QAccessible::LineBoundary, end - 11, QStringLiteral("ON=@CLICK"), -1},
        {end - 2, QAccessible::WordBoundary, end - 7, QStringLiteral("CLICK"), -1},
        {end - 2, QAccessible::CharBoundary, end - 3, QStringLiteral("C"), end - 1},
        {0, QAccessible::LineBoundary, -1, QString::fromUtf8("// \xC3\xA9p\xC3\xA9" "e \xF0\x9F\x98\x80\r\n"), 11},
        {4, QAccessible::WordBoundary, 2, QString::fromUtf8("\xC3\xA9p\xC3\xA9" "e"), 7},
        {8, QAccessible::CharBoundary, 7, QString::fromUtf8("\xF0\x9F\x98\x80"), 9},
    };
    for (const auto& [offset, boundary, before, unit, after] : units) {
        int start = -2;
        int stop = -2;
        QCOMPARE(text->textAtOffset(offset, boundary, &start, &stop), unit);
        QCOMPARE(characters(text->text(start, stop)), stop - start);
        QCOMPARE(text->text(start, stop), unit);
        text->textBeforeOffset(offset, boundary, &start, &stop);
        QCOMPARE(start, before);
        text->textAfterOffset(offset, boundary, &start, &stop);
        QCOMPARE(start, after);
    }

    text->setCursorPosition(end - 6);
    QCOMPARE(pane->SendScintilla(ScriptPane::SCI_GETCURRENTPOS), pane->SendScintilla(ScriptPane::SCI_GETLENGTH) - 6);
    text->setSelection(0, 3, 8);
    QCOMPARE(pane->selectedText(), QString::fromUtf8("\xC3\xA9p\xC3\xA9" "e "));
    int from = -1;
    int to = -1;
    text->selection(0, &from, &to);
    QCOMPARE(std::pair(from, to), std::pair(3, 8));
    accessible->editableTextInterface()->replaceText(end - 5, end, QStringLiteral("HIT"));
    QVERIFY(pane->script().endsWith(QStringLiteral("\r\nON=@HIT")));
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(pane->script().endsWith(QStringLiteral("\r\nON=@CLICK")));
}

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptPaneAccessibleTest)
#include "script_pane_accessible_test.moc"
