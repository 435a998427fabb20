#include "ui/panes/find_bar.h"
#include "ui/panes/script_pane.h"
#include "window_probe.h"
#include "window_test_main.h"

#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QWheelEvent>

using namespace defwright;
using namespace defwright::test;

namespace {

// Every named control of the window with its place in the window's client
// area, sorted; the focus frame goes wherever the focus is, and a closed
// find bar has no place.
QStringList controlPlaces(const MainWindow& window)
{
    QStringList places;
    for (const QWidget* widget : window.centralWidget()->findChildren<QWidget*>(QRegularExpression(".+"))) {
        if (widget->objectName() == QLatin1String("focusFrame") || qobject_cast<const FindBar*>(widget) != nullptr
            || qobject_cast<const FindBar*>(widget->parentWidget()) != nullptr)
            continue;
        const QPoint corner = widget->mapTo(window.centralWidget(), QPoint(0, 0));
        places.append(QStringLiteral("%1 %2,%3 %4x%5")
                          .arg(widget->objectName())
                          .arg(corner.x())
                          .arg(corner.y())
                          .arg(widget->width())
                          .arg(widget->height()));
    }
    places.sort();
    return places;
}

QRect placeOf(const MainWindow& window, const char* name)
{
    const QWidget* widget = control(window, QString::fromLatin1(name));
    return {widget->mapTo(window.centralWidget(), QPoint(0, 0)), widget->size()};
}

QAction* fitScript(const MainWindow& window)
{
    return control<QAction>(window, QStringLiteral("mnuFitScript"));
}

// The zoom of the item pane and of the NPC pane, which always go together.
std::pair<int, int> zooms(const MainWindow& window)
{
    const auto zoom = [&window](const char* pane) {
        return static_cast<int>(control<ScriptPane>(window, pane)->SendScintilla(ScriptPane::SCI_GETZOOM));
    };
    return {zoom("txtEdit"), zoom("txtnEdit")};
}

const QSize kDesignClient(620, 523);

} // namespace

class ViewCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The settings live in the build tree (see tests/CMakeLists.txt), never the user's.
    void init() { QSettings().clear(); }
    void fitScriptGivesTheExtraRoomToThePanes();
    void zoomKeysSizeBothPanesFromAnywhere();
    void bothChoicesOutliveTheWindow();
};

// At the design size Fit Script to Window moves nothing. Enlarged with it on,
// the panes grow by the extra room, the trigger frames keep their size at the
// panes' right and the field pages stay; off again, or on in a smaller window,
// the window is as designed.
void ViewCommandsTest::fitScriptGivesTheExtraRoomToThePanes()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QCOMPARE(window.centralWidget()->size(), kDesignClient);
    QVERIFY(fitScript(window)->isCheckable() && !fitScript(window)->isChecked());
    const auto designed = controlPlaces(window);
    const QRect pane = placeOf(window, "txtEdit");
    const QRect button = placeOf(window, "cmdntriggers(11)");
    fitScript(window)->trigger();
    QVERIFY(fitScript(window)->isChecked());
    QCOMPARE(controlPlaces(window), designed);
    window.showMaximized();
    QTRY_VERIFY(window.centralWidget()->width() > kDesignClient.width() + 100);
    const QSize extra = window.centralWidget()->size() - kDesignClient;
    QVERIFY(extra.height() > 20);

    for (const char* name : {"txtEdit", "txtnEdit"})
        QCOMPARE(placeOf(window, name), pane.adjusted(0, 0, extra.width(), extra.height()));
    QCOMPARE(placeOf(window, "cmdntriggers(11)"), button.translated(extra.width(), 0));
    QVERIFY(placeOf(window, "Frame2").left() > placeOf(window, "Frame1").right());
    QCOMPARE(placeOf(window, "Frame4").size(), QSize(161, 409));
    QCOMPARE(placeOf(window, "SSTab1").bottomRight(), window.centralWidget()->rect().bottomRight() - QPoint(3, 2));
    const QStringList grown = controlPlaces(window);
    for (const char* name : {"txtidef", "txtBasic(21)", "Command3", "lstCan(9)", "cmbskill1(5)"}) {
        const auto place = [name](const QString& entry) { return entry.startsWith(QLatin1String(name) + u' '); };
        QCOMPARE(*std::find_if(grown.cbegin(), grown.cend(), place),
                 *std::find_if(designed.cbegin(), designed.cend(), place));
    }

    // The find bar takes the bottom of the grown pane's place, as wide as it.
    showPage(window, 3);
    control(window, QStringLiteral("txtnEdit"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    const auto* bar = control(window, QStringLiteral("txtnEdit"))->parentWidget()->findChild<FindBar*>();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->width(), pane.width() + extra.width());
    QCOMPARE(placeOf(window, "txtnEdit").height() + bar->height(), pane.height() + extra.height());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

    fitScript(window)->trigger();
    QCOMPARE(controlPlaces(window), designed);

    // Smaller than designed, the window clips the design layout, on or off.
    fitScript(window)->trigger();
    window.showNormal();
    window.resize(400, 300);
    QTRY_COMPARE(window.centralWidget()->width(), 400);
    QCOMPARE(controlPlaces(window), designed);
}

// Ctrl++, Ctrl+- and Ctrl+0 size the text of both panes together, from a field
// or a pane; Ctrl and the wheel over one pane takes the other along.
void ViewCommandsTest::zoomKeysSizeBothPanesFromAnywhere()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* name = control<QLineEdit>(window, QStringLiteral("txtBasic(0)"));
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtEdit"));
    const int numbers = pane->marginWidth(0);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(zooms(window), std::pair(2, 2));
    QVERIFY(pane->marginWidth(0) > numbers);
    QCOMPARE(name->text(), QString());

    showPage(window, 1);
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(zooms(window), std::pair(1, 1));
    QTest::keyClick(pane, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(zooms(window), std::pair(0, 0));
    QCOMPARE(pane->marginWidth(0), numbers);
    QCOMPARE(pane->script(), QString());

    showPage(window, 3);
    auto* other = control<ScriptPane>(window, QStringLiteral("txtnEdit"));
    const QPointF inside(20, 20);
    QWheelEvent wheel(inside, other->viewport()->mapToGlobal(inside), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(other->viewport(), &wheel);
    QCOMPARE(zooms(window), std::pair(1, 1));
    for (int press = 0; press < 40; ++press)
        QTest::keyClick(pane, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(zooms(window), std::pair(20, 20));
    for (int press = 0; press < 40; ++press)
        QTest::keyClick(pane, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(zooms(window), std::pair(-10, -10));
}

// The next window opens with Fit Script to Window and the zoom as they were
// left; a zoom stored out of range is brought back into it.
void ViewCommandsTest::bothChoicesOutliveTheWindow()
{
    {
        MainWindow window;
        fitScript(window)->trigger();
        control<QAction>(window, QStringLiteral("mnuZoomIn"))->trigger();
        control<QAction>(window, QStringLiteral("mnuZoomIn"))->trigger();
    }
    MainWindow window;
    QVERIFY(fitScript(window)->isChecked());
    QCOMPARE(zooms(window), std::pair(2, 2));
    window.resize(window.size() + QSize(100, 50));
    QVERIFY(showActive(window));
    QTRY_COMPARE(placeOf(window, "txtEdit").width(), 401 + 100);

    QSettings().setValue(QStringLiteral("view/zoom"), 99);
    const MainWindow another;
    QCOMPARE(zooms(another), std::pair(20, 20));
}

DEFWRIGHT_WINDOW_TEST_MAIN(ViewCommandsTest)
#include "view_commands_test.moc"
