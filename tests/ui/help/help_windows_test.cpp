#include "modal_answers.h"
#include "ui/shell/main_window.h"
#include "ui/widgets/tab_control.h"
#include "window_test_main.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

using defwright::MainWindow;
using defwright::TabControl;

namespace {

bool bearsProgramIcon(const QWidget& window)
{
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    return sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32));
}

QList<QRect> childGeometries(const QWidget& window)
{
    QList<QRect> geometries;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        geometries.append(child->geometry());
    return geometries;
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void eachEntryOpensItsWindowAfresh_data();
    void eachEntryOpensItsWindowAfresh();
};

void HelpWindowsTest::eachEntryOpensItsWindowAfresh_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("escapeCloses");
    QTest::newRow("About") << "mnuAbout" << "frmAbout" << true;
    QTest::newRow("Shout-outs") << "mnuCredits" << "frmCredits" << false;
    QTest::newRow("History") << "mnuHistory" << "frmHistory" << false;
}

// While the window is up, a click on the main window's second tab and its Ctrl+N
// do nothing; enlarging the window moves nothing in it. Escape closes the about
// box only; Enter, right after the next opening, closes each window.
void HelpWindowsTest::eachEntryOpensItsWindowAfresh()
{
    QFETCH(QString, entry);
    QFETCH(QString, window);
    QFETCH(bool, escapeCloses);
    MainWindow main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main) && bearsProgramIcon(main));
    auto* tabs = main.findChild<TabControl*>(QStringLiteral("SSTab1"));
    QSignalSpy newTriggered(main.findChild<QAction*>(QStringLiteral("mnuNew")), &QAction::triggered);
    const auto open = [&] { main.findChild<QAction*>(entry)->trigger(); };
    bool closed[2] = {};
    QVERIFY(driveModalWindow(open, [&](QWidget& help) {
        QCOMPARE(help.objectName(), window);
        QVERIFY(help.parentWidget() == &main && bearsProgramIcon(help));
        const QPoint secondTab = tabs->mapTo(&main, tabs->tabRect(1).center());
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, secondTab);
        QTest::keyClick(main.windowHandle(), Qt::Key_N, Qt::ControlModifier);
        const QList<QRect> before = childGeometries(help);
        help.resize(help.size() + QSize(200, 150));
        QCOMPARE(childGeometries(help), before);
        QTest::keyClick(help.windowHandle(), Qt::Key_Escape);
        closed[0] = !help.isVisible();
    }));
    QVERIFY(driveModalWindow(open, [&](QWidget& help) {
        QCOMPARE(help.objectName(), window);
        QTest::keyClick(help.windowHandle(), Qt::Key_Return);
        closed[1] = !help.isVisible();
    }));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(newTriggered.count(), 0);
    QCOMPARE(closed[0], escapeCloses);
    QVERIFY(closed[1]);
}

DEFWRIGHT_WINDOW_TEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
