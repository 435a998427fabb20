#include "modal_answers.h"
#include "ui/shell/main_window.h"

#include <QLabel>
#include <QtTest>

using defwright::MainWindow;

namespace {

void leftClick(QWidget& window, QPoint point)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
}

QPoint centreOf(const QWidget& window, const char* name)
{
    const auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
    return widget ? widget->mapTo(&window, widget->rect().center()) : QPoint();
}

// Just inside the frame's top right corner, where no text reaches, or halfway
// down the margin left of the frame.
QPoint emptyPoint(const QWidget& splash, bool onFrame)
{
    const auto* frame = splash.findChild<QWidget*>(QStringLiteral("Frame1"));
    if (frame == nullptr)
        return {};
    const QRect area = frame->geometry();
    return onFrame ? area.topRight() + QPoint(-8, 8) : QPoint(area.left() / 2, area.center().y());
}

// Clicks each text and the logo, then types a few keys, and names the first of
// them that closed the splash; empty if none did.
QString firstToClose(QWidget& splash)
{
    for (const char* name : {"imgLogo", "Label1", "Label2", "Label3", "Label4", "Label5"}) {
        leftClick(splash, centreOf(splash, name));
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

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void clickOnFrameOrMarginEndsIt_data();
    void clickOnFrameOrMarginEndsIt();
    void textsLogoAndKeysLeaveItUp();
};

void SplashWindowTest::clickOnFrameOrMarginEndsIt_data()
{
    QTest::addColumn<bool>("onFrame");
    QTest::newRow("frame") << true;
    QTest::newRow("margin") << false;
}

void SplashWindowTest::clickOnFrameOrMarginEndsIt()
{
    QFETCH(bool, onFrame);
    MainWindow window;
    bool mainWindowHidden = false;
    bool clickClosed = false;
    QVERIFY(driveModalWindow([&] { window.Form_Load(); window.show(); },
                             [&](QWidget& splash) {
                                 QCOMPARE(splash.objectName(), QStringLiteral("frmSplash"));
                                 QVERIFY(QTest::qWaitForWindowExposed(&splash));
                                 QVERIFY(!splash.findChild<QLabel*>(QStringLiteral("imgLogo"))->pixmap().isNull());
                                 const QPoint point = emptyPoint(splash, onFrame);
                                 const QWidget* target = splash.childAt(point);
                                 QCOMPARE(target ? target->objectName() : QString(), onFrame ? "Frame1" : "");
                                 mainWindowHidden = !window.isVisible();
                                 leftClick(splash, point);
                                 clickClosed = !splash.isVisible();
                             }));
    QVERIFY(mainWindowHidden);
    QVERIFY(clickClosed);
    QVERIFY(window.isVisible());
}

void SplashWindowTest::textsLogoAndKeysLeaveItUp()
{
    MainWindow window;
    QString closedBy;
    QVERIFY(driveModalWindow([&] { window.Form_Load(); },
                             [&](QWidget& splash) {
                                 QVERIFY(QTest::qWaitForWindowExposed(&splash));
                                 closedBy = firstToClose(splash);
                             }));
    QVERIFY2(closedBy.isEmpty(), qPrintable(QStringLiteral("closed by ") + closedBy));
}

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
