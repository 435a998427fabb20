#include "modal_answers.h"
#include "ui/shell/main_window.h"
#include "window_test_main.h"

#include <QLabel>
#include <QtTest>

using defwright::MainWindow;

namespace {

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

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void onlyAClickOnFrameOrMarginEndsIt_data();
    void onlyAClickOnFrameOrMarginEndsIt();
};

void SplashWindowTest::onlyAClickOnFrameOrMarginEndsIt_data()
{
    QTest::addColumn<bool>("onFrame");
    QTest::newRow("frame") << true;
    QTest::newRow("margin") << false;
}

// The main window shows once the splash is gone. The empty point is just inside
// the frame's top right corner, where no text reaches, or halfway down the
// margin left of the frame.
void SplashWindowTest::onlyAClickOnFrameOrMarginEndsIt()
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

DEFWRIGHT_WINDOW_TEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
