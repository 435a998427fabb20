#include "dark_palette.h"
#include "ui/widgets/tab_control.h"
#include "window_probe.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
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
    void fieldsAreNamedByTheirKeys();
    void tabListShowsItsPagesAsTabs();
    void paneTypesTabsOnlyWithCtrlI();
    void keyboardFocusIsMarkedOnADarkTheme();
};

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
        {2, createFrame + QStringList{QStringLiteral("Command3")}}, // after "@Create" is pressed
    };
    for (const auto& [page, order] : pages) {
        control(window, kTabs)->setProperty("currentIndex", page);
        if (order.first() == QStringLiteral("cmbbrain"))
            QTest::mouseClick(control(window, QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(walkFromTabs(window, Qt::Key_Tab, Qt::NoModifier), order + QStringList{kTabs});
        QCOMPARE(walkFromTabs(window, Qt::Key_Backtab, Qt::ShiftModifier),
                 QStringList(order.rbegin(), order.rend()) + QStringList{kTabs});
    }
}

// Where a label stands in another frame than its box, the name still comes from it.
void AccessibilityTest::fieldsAreNamedByTheirKeys()
{
    MainWindow window;
    const std::vector<std::pair<const char*, const char*>> expected = {
        {"txtidef", "[ITEMDEF i_"}, {"txtBasic(0)", "NAME"}, {"txtAxis(2)", "DESCRIPTION"},
        {"txtType(1)", "TYPE"}, {"txtBasic(21)", "SKILLMAKE"}, {"txticreatel", "HITPOINTS low"},
        {"txticreateh", "HITPOINTS high"}, {"txtEdit", "Compiled Item Script"}, {"cmdtriggers(10)", "@DROPON_GROUND"},
        {"lstCan(6)", "TEVENTS"}, {"txtl(4)", "DEX high"}, {"txtncreate(1)", "SPEECHCOLOR"}, {"Command2", "@Create"},
    };
    for (const auto& [name, accessible] : expected)
        QCOMPARE(accessibleName(control(window, QString::fromLatin1(name))), QString::fromLatin1(accessible));
}

void AccessibilityTest::tabListShowsItsPagesAsTabs()
{
    MainWindow window;
    QVERIFY(showActive(window));
    QWidget* tabs = control(window, kTabs);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    const QStringList captions = {QStringLiteral("Basic Item Defs"), QStringLiteral("Compiled Item Script"),
                                  QStringLiteral("Basic NPC Defs"), QStringLiteral("Compiled NPC Script")};
    // The tabs come first; the pages' area after them keeps the fields in the tree.
    QCOMPARE(list->childCount(), 5);
    for (int i = 0; i < 4; ++i) {
        QAccessibleInterface* tab = list->child(i);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), captions[i]);
        QCOMPARE(bool(tab->state().selected), i == 0);
        QCOMPARE(tab->parent(), list);
        QCOMPARE(list->indexOfChild(tab), i);
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
    QCOMPARE(tabs->property("currentIndex").toInt(), 2);
    QVERIFY(npcFields->state().selected && npcFields->state().focused && !list->child(0)->state().selected);
    QCOMPARE(list->focusChild(), npcFields);
    const std::vector<std::pair<QAccessible::Event, int>> expected = {{QAccessible::Focus, 2},
                                                                      {QAccessible::Selection, 2}};
    QVERIFY(std::search(tabEvents().begin(), tabEvents().end(), expected.begin(), expected.end()) != tabEvents().end());
}

void AccessibilityTest::paneTypesTabsOnlyWithCtrlI()
{
    MainWindow window;
    QVERIFY(showActive(window));
    control(window, kTabs)->setProperty("currentIndex", 1);
    auto* pane = control<ScriptPane>(window, QStringLiteral("txtEdit"));
    QCOMPARE(pane->toolTip(),
             QStringLiteral("Tab and Shift+Tab move to the next control; Ctrl+I types a tab character."));
    pane->replaceScript(QStringLiteral("opened\ttab"));
    QApplication::clipboard()->setText(QStringLiteral("\tpasted"));
    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(pane, Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(pane, QStringLiteral("x"));
    QTest::keyClick(pane, Qt::Key_Tab);
    QCOMPARE(pane->script(), QStringLiteral("opened\ttab\tpasted\tx"));
    QCOMPARE(QApplication::focusWidget(), control(window, QStringLiteral("cmdtriggers(0)")));

    pane->setFocus();
    QTest::keyClick(pane, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(control(window, kTabs)->property("currentIndex").toInt(), 2);
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
    auto* tabs = qobject_cast<TabControl*>(control(window, kTabs));
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
