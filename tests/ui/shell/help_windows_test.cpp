#include "modal_answers.h"
#include "ui/shell/main_window.h"
#include "ui/widgets/tab_control.h"

#include <QAction>
#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using defwright::MainWindow;
using defwright::TabControl;

namespace {

// What a user sees of a window: its name, whether it bears the program's icon,
// and every label's name and text.
QStringList look(const QWidget& window)
{
    const QList<QSize> iconSizes = window.windowIcon().availableSizes();
    QStringList seen = {window.objectName(),
                        iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32)) ? "icon" : "no icon"};
    for (const QLabel* label : window.findChildren<QLabel*>())
        seen.append(label->objectName() + QLatin1Char('=') + label->text());
    return seen;
}

QList<QRect> childGeometries(const QWidget& window)
{
    QList<QRect> geometries;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        geometries.append(child->geometry());
    return geometries;
}

// Types `key` into the window and tells whether that closed it.
bool keyCloses(QWidget& window, Qt::Key key)
{
    QTest::keyClick(window.windowHandle(), key);
    return !window.isVisible();
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
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto* open = main.findChild<QAction*>(entry);
    auto* tabs = main.findChild<TabControl*>(QStringLiteral("SSTab1"));
    QSignalSpy newTriggered(main.findChild<QAction*>(QStringLiteral("mnuNew")), &QAction::triggered);

    QStringList firstLook;
    bool escapeClosed = false;
    QVERIFY(driveModalWindow([&] { open->trigger(); }, [&](QWidget& help) {
        firstLook = look(help);
        QVERIFY(help.parentWidget() == &main);
        const QPoint secondTab = tabs->tabRect(1).center();
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, tabs->mapTo(&main, secondTab));
        QTest::keyClick(main.windowHandle(), Qt::Key_N, Qt::ControlModifier);
        const QList<QRect> before = childGeometries(help);
        help.resize(help.size() + QSize(200, 150));
        QCOMPARE(childGeometries(help), before);
        escapeClosed = keyCloses(help, Qt::Key_Escape);
    }));
    QStringList secondLook;
    bool enterClosed = false;
    QVERIFY(driveModalWindow([&] { open->trigger(); }, [&](QWidget& help) {
        secondLook = look(help);
        enterClosed = keyCloses(help, Qt::Key_Return);
    }));

    QCOMPARE(firstLook.mid(0, 2), QStringList({window, "icon"}));
    QCOMPARE(secondLook, firstLook);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(newTriggered.count(), 0);
    QCOMPARE(escapeClosed, escapeCloses);
    QVERIFY(enterClosed);
    QVERIFY(look(main).contains("icon"));
}

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
