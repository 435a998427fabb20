#include "modal_answers.h"
#include "window_probe.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace defwright;
using namespace defwright::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheFirstPageAtItsDesignSize();
    void menusHoldTheirEntriesInOrder();
    void menuShortcutsWinOverEditorsOfThisWindowOnly();
    void exitClosesTheWindowWithoutAsking();
};

void MainWindowTest::opensOnTheFirstPageAtItsDesignSize()
{
    MainWindow window;
    loadAndShow(window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
    auto* tabs = control(window, QStringLiteral("SSTab1"));
    QCOMPARE(tabs->property("currentIndex").toInt(), 0);
    QCOMPARE(window.centralWidget()->size(), QSize(620, 523));
    QCOMPARE(tabs->geometry(), QRect(8, 8, 609, 513));

    window.resize(1000, 800);
    QCOMPARE(tabs->geometry(), QRect(8, 8, 609, 513));
    QCOMPARE(control(window, QStringLiteral("txtEdit"))->size(), QSize(401, 433));
}

void MainWindowTest::menusHoldTheirEntriesInOrder()
{
    MainWindow window;
    QList<const QMenu*> menus; // in the order the menu bar shows them
    QStringList titles;
    for (const QAction* entry : window.menuBar()->actions()) {
        menus << entry->menu();
        titles << entry->menu()->title();
    }
    QCOMPARE(titles, (QStringList{QStringLiteral("File"), QStringLiteral("&Edit"), QStringLiteral("&Script"),
                                  QStringLiteral("Help")}));

    QStringList entries;
    for (const QMenu* menu : menus) {
        for (const QAction* action : menu->actions())
            entries << (action->isSeparator() ? QStringLiteral("-")
                                              : action->text() + QLatin1Char(' ') + action->shortcut().toString());
    }
    QCOMPARE(entries, (QStringList{
                          QStringLiteral("&New Ctrl+N"),
                          QStringLiteral("&Open Ctrl+O"),
                          QStringLiteral("Open &Recent "),
                          QStringLiteral("-"),
                          QStringLiteral("&Save Ctrl+S"),
                          QStringLiteral("Save &As... Ctrl+A"),
                          QStringLiteral("-"),
                          QStringLiteral("Open &NPC Script... "),
                          QStringLiteral("Save NPC Script &As... "),
                          QStringLiteral("-"),
                          QStringLiteral("E&xit Ctrl+Q"),
                          QStringLiteral("&Find... Ctrl+F"),
                          QStringLiteral("Find &Next F3"),
                          QStringLiteral("Find &Previous Shift+F3"),
                          QStringLiteral("-"),
                          QStringLiteral("&Replace... Ctrl+H"),
                          QStringLiteral("-"),
                          QStringLiteral("&Go to Line... Ctrl+G"),
                          QStringLiteral("&Fields from Script Ctrl+R"),
                          QStringLiteral("A&bout "),
                          QStringLiteral("&Shout-outs "),
                          QStringLiteral("&History "),
                      }));
}

void MainWindowTest::menuShortcutsWinOverEditorsOfThisWindowOnly()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QSignalSpy saveAs(control<QAction>(window, QStringLiteral("mnuSaveAs")), &QAction::triggered);
    QSignalSpy open(control<QAction>(window, QStringLiteral("mnuOpen")), &QAction::triggered);
    // Each Save As shows its dialog and, cancelled, "Cancel was pressed"; Open shows its dialog.
    const auto close = [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); };
    ModalAnswers answers;
    for (int shown = 0; shown < 7; ++shown)
        answers.then(close);

    auto* name = control<QLineEdit>(window, QStringLiteral("txtBasic(0)"));
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("sword"));
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(saveAs.count(), 1);
    QVERIFY(!name->hasSelectedText());

    // The offscreen platform leaves no window active when a dialog closes; a desktop
    // gives the activation back to the main window.
    auto* type = control<QComboBox>(window, QStringLiteral("txtType(1)"));
    type->setFocus();
    QVERIFY(showActive(window));
    QTest::keyClick(type, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(showActive(window));
    QTest::keyClick(type, Qt::Key_O, Qt::ControlModifier);
    control(window, QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    auto* pane = control(window, QStringLiteral("txtEdit"));
    pane->setFocus();
    QVERIFY(showActive(window));
    QTest::keyClick(pane, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(saveAs.count(), 3);
    QCOMPARE(open.count(), 1);
    QCOMPARE(answers.unused(), 0U);

    // Another window's text box keeps Ctrl+A for selecting all.
    QLineEdit elsewhere(QStringLiteral("other text"));
    QVERIFY(showActive(elsewhere));
    QTest::keyClick(&elsewhere, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(elsewhere.selectedText(), QStringLiteral("other text"));
    QCOMPARE(saveAs.count(), 3);
}

void MainWindowTest::exitClosesTheWindowWithoutAsking()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QTest::keyClicks(control(window, QStringLiteral("txtidef")), QStringLiteral("unsaved"));
    QTest::keyClick(control(window, QStringLiteral("txtidef")), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
