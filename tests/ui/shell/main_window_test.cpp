#include "window_probe.h"
#include "window_test_main.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>

using namespace defwright;
using namespace defwright::test;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menuShortcutsWinOverEditorsOfThisWindowOnly();
};

// The menus' shortcuts reach them from text boxes, list boxes and panes; the
// cancelled Save As dialogs and their "Cancel was pressed" boxes, and the Open
// dialog, are closed. The offscreen platform leaves no window active when a
// dialog closes, where a desktop gives the activation back to the main window.
void MainWindowTest::menuShortcutsWinOverEditorsOfThisWindowOnly()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QSignalSpy saveAs(control<QAction>(window, QStringLiteral("mnuSaveAs")), &QAction::triggered);
    QSignalSpy open(control<QAction>(window, QStringLiteral("mnuOpen")), &QAction::triggered);
    ModalAnswers answers;
    for (int shown = 0; shown < 7; ++shown)
        answers.then([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });

    auto* name = control<QLineEdit>(window, QStringLiteral("txtBasic(0)"));
    QTest::keyClicks(name, QStringLiteral("sword"));
    const std::tuple<int, const char*, Qt::Key> presses[] = {
        {0, "txtBasic(0)", Qt::Key_A}, {0, "txtType(1)", Qt::Key_A}, {0, "txtType(1)", Qt::Key_O},
        {1, "txtEdit", Qt::Key_A}};
    for (const auto& [page, box, key] : presses) {
        showPage(window, page);
        control(window, QString::fromLatin1(box))->setFocus();
        QVERIFY(showActive(window));
        QTest::keyClick(QApplication::focusWidget(), key, Qt::ControlModifier);
    }
    QVERIFY(!name->hasSelectedText());
    QCOMPARE(saveAs.count(), 3);
    QCOMPARE(open.count(), 1);
    QCOMPARE(answers.unused(), 0U);

    // Another window's text box keeps Ctrl+A for selecting all.
    QLineEdit elsewhere(QStringLiteral("other text"));
    QVERIFY(showActive(elsewhere));
    QTest::keyClick(&elsewhere, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(elsewhere.selectedText(), QStringLiteral("other text"));
    QCOMPARE(saveAs.count(), 3);

    // Exit closes the window at once, unsaved text or not.
    QVERIFY(showActive(window));
    QTest::keyClick(name, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

DEFWRIGHT_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
