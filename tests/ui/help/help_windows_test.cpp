#include "modal_answers.h"
#include "ui/shell/main_window.h"
#include "ui/widgets/tab_control.h"
#include "window_test_main.h"

#include <QAction>
#include <QLabel>
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

void leftClick(QWidget& window, QPoint point)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
}

// Clicks each text and the logo, then types a few keys, and names the first of
// them that closed the splash; empty if none did.
QString firstToClose(QWidget& splash)
{
    for (const char* name : {"imgLogo", "Label1", "Label2", "Label3", "Label4", "Label5"}) {
        const auto* label = splash.findChild<QWidget*>(QString::fromLatin1(name));
        leftClick(splash, label ? label->mapTo(&splash, label->rect().center()) : QPoint());
        if (!splash.isVisible())
            return QString::fromLatin1(name);
    }
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_A, Qt::Key_Space}) {
        QTest::keyClick(splash.windowHandle(), key);
        if (!splash.isVisible())
            return QKeySequence(key).toString();
    }
    return {};
}

} // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void eachEntryOpensItsWindowAfresh_data();
    void eachEntryOpensItsWindowAfresh();
    void onlyAClickOnFrameOrMarginEndsTheSplash_data();
    void onlyAClickOnFrameOrMarginEndsTheSplash();
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
        leftClick(main, secondTab);
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

void HelpWindowsTest::onlyAClickOnFrameOrMarginEndsTheSplash_data()
{
    QTest::addColumn<bool>("onFrame");
    QTest::newRow("frame") << true;
    QTest::newRow("margin") << false;
}

// The main window shows once the splash is gone. The empty point is just inside
// the frame's top right corner, where no text reaches, or halfway down the
// margin left of the frame.
void HelpWindowsTest::onlyAClickOnFrameOrMarginEndsTheSplash()
{
    QFETCH(bool, onFrame);
    MainWindow window;
    bool mainWindowHidden = false;
    QString closedEarly;
    bool clickClosed = false;
    QVERIFY(driveModalWindow([&] { window.Form_Load(); window.show(); }, [&](QWidget& splash) {
        QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
        mainWindowHidden = !window.isVisible();
        closedEarly = firstToClose(splash);
        const QRect frame = splash.findChild<QWidget*>(QStringLiteral("Frame1"))->geometry();
        const QPoint margin(frame.left() / 2, frame.center().y());
        const QPoint point = onFrame ? frame.topRight() + QPoint(-8, 8) : margin;
        const QWidget* target = splash.childAt(point);
        QCOMPARE(target ? target->objectName() : QString(), onFrame ? "Frame1" : "");
        leftClick(splash, point);
        clickClosed = !splash.isVisible();
    }));
    QVERIFY(mainWindowHidden);
    QVERIFY2(closedEarly.isEmpty(), qPrintable(QStringLiteral("closed by ") + closedEarly));
    QVERIFY(clickClosed);
    QVERIFY(window.isVisible());
}

DEFWRIGHT_WINDOW_TEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
