#include "ui/panes/script_pane.h"
#include "window_probe.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

using namespace defwright;
using namespace defwright::test;

namespace {

// The bar under the item pane, and what it shows.
struct ItemBar {
    explicit ItemBar(MainWindow& window)
        : pane(control<ScriptPane>(window, QStringLiteral("txtEdit")))
        , bar(control(window, QStringLiteral("Frame1"))->findChild<QWidget*>(QStringLiteral("findBar")))
    {
    }

    template <typename Control = QWidget>
    Control* part(const char* name) const
    {
        return control<Control>(*bar, QString::fromLatin1(name));
    }

    [[nodiscard]] QString status() const { return part<QLabel>("lblFindStatus")->text(); }
    [[nodiscard]] int selectionStart() const { return int(pane->SendScintilla(ScriptPane::SCI_GETSELECTIONSTART)); }

    void type(const char* field, const QString& text, Qt::KeyboardModifiers enter = Qt::NoModifier) const
    {
        auto* box = part<QLineEdit>(field);
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return, enter);
    }

    ScriptPane* pane;
    QWidget* bar;
};

const QString kScript = QStringLiteral("NAME=sword\r\nname=Sword\r\nSWORDS=2\r\nID=0f5c");

} // namespace

class FindBarTest : public QObject {
    Q_OBJECT

private slots:
    void findsNextAndPreviousAndWraps();
    void matchCaseWholeWordAndRegularExpression();
    void replaceAllIsOneUndoStep();
    void goesToALineInRangeOnly();
    void badInputIsSaidInTheBar();
};

// Ctrl+F from a field box opens the bar under the pane of that field's script.
void FindBarTest::findsNextAndPreviousAndWraps()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const ItemBar item(window);
    item.pane->replaceScript(kScript);
    QWidget* name = control(window, QStringLiteral("txtBasic(0)"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(control(window, QStringLiteral("SSTab1"))->property("currentIndex").toInt(), 1);
    QVERIFY(item.bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), item.part("txtFind"));
    QCOMPARE(item.pane->height() + item.bar->height(), 433);

    item.type("txtFind", QStringLiteral("sword"));
    QCOMPARE(item.selectionStart(), 5);
    QTest::keyClick(item.part("txtFind"), Qt::Key_F3);
    QCOMPARE(item.selectionStart(), 17);
    QTest::keyClick(item.part("txtFind"), Qt::Key_F3);
    QCOMPARE(item.selectionStart(), 24);
    QCOMPARE(item.status(), QString());
    QTest::keyClick(item.part("txtFind"), Qt::Key_Return);
    QCOMPARE(item.selectionStart(), 5);
    QCOMPARE(item.status(), QStringLiteral("Passed the end of the script; went on from the top."));
    QTest::keyClick(item.part("txtFind"), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(item.selectionStart(), 24);
    QCOMPARE(item.status(), QStringLiteral("Passed the start of the script; went on from the bottom."));
    QTest::keyClick(item.part("txtFind"), Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(item.selectionStart(), 17);

    QTest::keyClick(item.part("txtFind"), Qt::Key_Escape);
    QVERIFY(!item.bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), item.pane);
    QCOMPARE(item.pane->height(), 433);
}

void FindBarTest::matchCaseWholeWordAndRegularExpression()
{
    const struct {
        QString text;
        const char* option;
        int found;
    } cases[] = {
        {QStringLiteral("Sword"), "chkMatchCase", 17},   {QStringLiteral("SWORD"), "chkWholeWord", 5},
        {QStringLiteral("sword"), "chkMatchCase", 5},    {QStringLiteral("[0-9]+$"), "chkRegularExpression", 31},
        {QStringLiteral("s.o"), "chkRegularExpression", 5},
    };
    MainWindow window;
    QVERIFY(showActive(window));
    const ItemBar item(window);
    item.pane->replaceScript(kScript);
    for (const auto& [text, option, found] : cases) {
        QTest::keyClick(item.pane, Qt::Key_F, Qt::ControlModifier);
        for (const char* box : {"chkMatchCase", "chkWholeWord", "chkRegularExpression"})
            item.part<QCheckBox>(box)->setChecked(qstrcmp(box, option) == 0);
        item.pane->setCursorPosition(0, 0);
        item.type("txtFind", text);
        QCOMPARE(item.selectionStart(), found);
    }
    item.type("txtFind", QStringLiteral("x{2}"));
    QCOMPARE(item.status(), QStringLiteral("\"x{2}\" was not found."));

    // Without Match Case only ASCII letters match ASCII ones: the Kelvin sign is no "K".
    item.part<QCheckBox>("chkRegularExpression")->setChecked(false);
    item.pane->replaceScript(QString::fromUtf16(u"\u212AEY key"));
    item.pane->setCursorPosition(0, 0);
    item.type("txtFind", QStringLiteral("KEY"));
    QCOMPARE(item.selectionStart(), 6);
}

// Ctrl+H from the NPC fields opens the NPC pane's bar with its replace row.
void FindBarTest::replaceAllIsOneUndoStep()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* npcPane = control<ScriptPane>(window, QStringLiteral("txtnEdit"));
    npcPane->replaceScript(kScript);
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 2);
    QWidget* name = control(window, QStringLiteral("txtnBasic(1)"));
    name->setFocus();
    QTest::keyClick(name, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(control(window, QStringLiteral("SSTab1"))->property("currentIndex").toInt(), 3);
    QWidget* bar = QApplication::focusWidget()->parentWidget();
    auto* find = control<QLineEdit>(*bar, QStringLiteral("txtFind"));
    QTest::keyClicks(find, QStringLiteral("sword"));
    QTest::keyClicks(control(*bar, QStringLiteral("txtReplace")), QStringLiteral("axe"));
    QTest::mouseClick(control(*bar, QStringLiteral("cmdReplaceAll")), Qt::LeftButton);

    QCOMPARE(npcPane->script(), QStringLiteral("NAME=axe\r\nname=axe\r\naxeS=2\r\nID=0f5c"));
    QCOMPARE(control<QLabel>(*bar, QStringLiteral("lblFindStatus"))->text(), QStringLiteral("Replaced 3 matches."));
    npcPane->undo();
    QCOMPARE(npcPane->script(), kScript);
}

void FindBarTest::goesToALineInRangeOnly()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const ItemBar item(window);
    item.pane->replaceScript(kScript);
    item.pane->setFocus();
    QTest::keyClick(item.pane, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(!item.part("txtFind")->isVisible());
    item.type("txtLine", QStringLiteral("5"));
    QCOMPARE(item.status(), QStringLiteral("There is no line 5: the script has lines 1 to 4."));
    QCOMPARE(item.pane->caretLine(), 3);
    item.type("txtLine", QStringLiteral("two"));
    QCOMPARE(item.status(), QStringLiteral("\"two\" is not a line number."));
    item.type("txtLine", QStringLiteral("2"));
    QCOMPARE(item.pane->caretLine(), 1);
    QVERIFY(!item.bar->isVisible());
    QCOMPARE(QApplication::focusWidget(), item.pane);
}

void FindBarTest::badInputIsSaidInTheBar()
{
    MainWindow window;
    QVERIFY(showActive(window));
    const ItemBar item(window);
    item.pane->replaceScript(kScript);
    item.pane->setFocus();
    QTest::keyClick(item.pane, Qt::Key_H, Qt::ControlModifier);
    item.type("txtFind", QString());
    QCOMPARE(item.status(), QStringLiteral("Type the text to find."));
    item.part<QCheckBox>("chkRegularExpression")->setChecked(true);
    item.type("txtFind", QStringLiteral("(sword"));
    QCOMPARE(item.status(), QStringLiteral("This is not a valid regular expression."));
    QTest::mouseClick(item.part("cmdReplaceAll"), Qt::LeftButton);
    QCOMPARE(item.status(), QStringLiteral("This is not a valid regular expression."));
    QCOMPARE(item.pane->script(), kScript);
    QTest::keyClick(item.pane, Qt::Key_G, Qt::ControlModifier);
    item.type("txtLine", QStringLiteral(" "));
    QCOMPARE(item.status(), QStringLiteral("Type a line number."));
}

QTEST_MAIN(FindBarTest)
#include "find_bar_test.moc"
