#include "dark_palette.h"
#include "ui/widgets/tab_control.h"
#include "window_probe.h"
#include "window_test_main.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <utility>
#include <vector>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kTabs = QStringLiteral("SSTab1");

QStringList names(const char* array, int first, int last)
{
    QStringList result;
    for (int i = first; i <= last; ++i)
        result << QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i);
    return result;
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Presses `key` from the tab control until the focus is back on it, and lists
// the controls on the way; one without a name a screen reader can read shows.
QStringList walkFromTabs(const MainWindow& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    control(window, kTabs)->setFocus(Qt::TabFocusReason);
    QStringList visited;
    while (visited.size() < 100 && (visited.isEmpty() || visited.last() != kTabs)) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        visited << QApplication::focusWidget()->objectName();
        if (accessibleName(QApplication::focusWidget()).isEmpty())
            visited << QStringLiteral("(no name)");
    }
    return visited;
}

int changedPixels(const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
    }
    return changed;
}

// QAccessible takes a plain function as its update handler, so the tab
// control's events it hands over are kept here.
std::vector<std::pair<QAccessible::Event, int>>& tabEvents()
{
    static std::vector<std::pair<QAccessible::Event, int>> events;
    return events;
}

void recordTabEvent(QAccessibleEvent* event)
{
    if (event->object() != nullptr && event->object()->objectName() == kTabs)
        tabEvents().emplace_back(event->type(), event->child());
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void tabAndShiftTabWalkEveryPageInOrder();
    void tabListShowsItsPagesAsTabs();
    void keyboardFocusIsMarkedOnADarkTheme();
};

// Every control on the way has a name, taken from its label even where that
// stands in another frame; the status bar's two buttons end each walk. The
// last walk is the NPC page's create frame, after "@Create" is pressed.
void AccessibilityTest::tabAndShiftTabWalkEveryPageInOrder()
{
    MainWindow window;
    loadAndShow(window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QStringList createFrame = {QStringLiteral("cmbbrain")};
    for (int i = 0; i < 5; ++i)
        createFrame << names("txth", i, i) << names("txtl", i, i);
    createFrame << names("txtncreate", 0, 3);
    for (int i = 0; i < 6; ++i)
        createFrame << names("cmbskill1", i, i) << names("txtsl", i, i) << names("txtsh", i, i);
    const std::vector<std::pair<int, QStringList>> pages = {
        {0, QStringList{QStringLiteral("txtidef")} + names("txtBasic", 0, 18) + names("txtAxis", 0, 2)
                + names("txtType", 1, 1) + names("txtBasic", 19, 21)
                + QStringList{QStringLiteral("txticreatel"), QStringLiteral("txticreateh"), QStringLiteral("txtic")}},
        {1, QStringList{QStringLiteral("txtEdit")} + names("cmdtriggers", 0, 10)},
        {2, QStringList{QStringLiteral("txtndef")} + names("txtnBasic", 1, 17) + names("lstCan", 0, 9)
                + QStringList{QStringLiteral("Command3"), QStringLiteral("Command2")}},
        {3, QStringList{QStringLiteral("txtnEdit")} + names("cmdntriggers", 0, 11)},
        {2, createFrame + QStringList{QStringLiteral("Command3")}},
    };
    const QStringList statusBar = {QStringLiteral("cmdStatusEncoding"), QStringLiteral("cmdStatusLineBreaks")};
    for (const auto& [page, pageOrder] : pages) {
        const QStringList order = pageOrder + statusBar;
        showPage(window, page);
        if (order.first() == QStringLiteral("cmbbrain"))
            QTest::mouseClick(control(window, QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(walkFromTabs(window, Qt::Key_Tab, Qt::NoModifier), order + QStringList{kTabs});
        QCOMPARE(walkFromTabs(window, Qt::Key_Backtab, Qt::ShiftModifier),
                 QStringList(order.rbegin(), order.rend()) + QStringList{kTabs});
    }
    const std::pair<const char*, const char*> named[] = {
        {"txtBasic(21)", "SKILLMAKE"}, {"txticreatel", "HITPOINTS low"}, {"txticreateh", "HITPOINTS high"},
        {"txtEdit", "Compiled Item Script"}, {"lstCan(6)", "TEVENTS"}, {"txtl(4)", "DEX high"}};
    for (const auto& [name, accessible] : named)
        QCOMPARE(accessibleName(control(window, QString::fromLatin1(name))), QString::fromLatin1(accessible));
}

// The tabs come first; the pages' area after them keeps the fields in the tree.
// Pressing a tab, as a screen reader does, shows its page and tells so.
void AccessibilityTest::tabListShowsItsPagesAsTabs()
{
    MainWindow window;
    QVERIFY(showActive(window));
    auto* tabs = control<TabControl>(window, kTabs);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->childCount(), 5);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(list->child(i)->role(), QAccessible::PageTab);
        QCOMPARE(list->child(i)->text(QAccessible::Name), tabs->tabText(i));
        QCOMPARE(list->indexOfChild(list->child(i)), i);
    }
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(control(window, QStringLiteral("txtidef")));
    while (field->parent() != list)
        field = field->parent();
    QCOMPARE(list->indexOfChild(field), 4);

    // Events reach an update handler only while accessibility is on, as when a screen reader runs.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler(&recordTabEvent);
    tabs->setFocus(Qt::TabFocusReason);
    QAccessibleInterface* npcFields = list->child(2);
    npcFields->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QAccessible::installUpdateHandler(previous);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    QCOMPARE(currentPage(window), 2);
    QVERIFY(npcFields->state().selected && npcFields->state().focused && !list->child(0)->state().selected);
    QCOMPARE(list->focusChild(), npcFields);
    const std::pair<QAccessible::Event, int> told[] = {{QAccessible::Focus, 2}, {QAccessible::Selection, 2}};
    const auto& events = tabEvents();
    QVERIFY(std::search(events.begin(), events.end(), std::begin(told), std::end(told)) != events.end());
}

// Each control is reached by Tab, as a keyboard user reaches it; a mark is a
// ring of changed pixels around it at least half as long as its outline. The
// caret alone, which is all a pane showed, is far less.
void AccessibilityTest::keyboardFocusIsMarkedOnADarkTheme()
{
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(samples::darkPalette());
    MainWindow window;
    QVERIFY(showActive(window));
    auto* tabs = control<TabControl>(window, kTabs);
    const std::vector<std::pair<int, const char*>> targets = {
        {0, "txtBasic(3)"}, {0, "txtType(1)"}, {1, "txtEdit"}, {1, "cmdtriggers(2)"}, {0, "SSTab1"},
    };
    for (const auto& [page, name] : targets) {
        tabs->setCurrentIndex(page);
        QWidget* target = control(window, QString::fromLatin1(name));
        const QRect local = target == tabs ? tabs->tabRect(page) : target->rect();
        const QRect area(target->mapTo(&window, local.topLeft() - QPoint(3, 3)), local.size() + QSize(6, 6));
        (target == tabs ? control(window, QStringLiteral("txtidef")) : tabs)->setFocus(Qt::MouseFocusReason);
        const QImage before = window.grab(area).toImage();
        for (int step = 0; step < 60 && QApplication::focusWidget() != target; ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
        QVERIFY2(changedPixels(before, window.grab(area).toImage()) >= local.width() + local.height(), name);
    }
    QApplication::setPalette(previous);
}

DEFWRIGHT_WINDOW_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
