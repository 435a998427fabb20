#include "ui/panes/script_pane.h"
#include "ui/shell/command_line.h"
#include "window_probe.h"
#include "window_test_main.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>

using namespace defwright;
using namespace defwright::test;

namespace {

// What a control holds that a stray letter would change.
QString heldText(const QWidget* control)
{
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return box->text();
    if (const auto* box = qobject_cast<const QComboBox*>(control))
        return box->currentText();
    if (const auto* pane = qobject_cast<const ScriptPane*>(control))
        return pane->script();
    return {};
}

// The controls of the page in front that take the focus by Tab, in their order.
QWidgetList focusableControls(const MainWindow& window, int page)
{
    showPage(window, page);
    QWidgetList controls;
    for (QWidget* widget : window.centralWidget()->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus)
            && widget->focusProxy() == nullptr)
            controls.append(widget);
    }
    return controls;
}

// Presses Alt and the access key on `control` and says which menu opened, if
// any, closing it again with Escape as a scripter would.
QString menuOpenedByAccessKey(QWidget* control, Qt::Key key)
{
    control->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control, key, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || !menu->isVisible())
        return {};
    QTest::keyClick(menu, Qt::Key_Escape);
    if (QApplication::activePopupWidget() != nullptr)
        QApplication::activePopupWidget()->close();
    return menu->objectName();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As main() names the program, which the command line's version text says.
        QCoreApplication::setApplicationName("Defwright");
        QCoreApplication::setApplicationVersion("1.4");
    }
    void theArgumentsDecideWhatStarts_data();
    void theArgumentsDecideWhatStarts();
    void menuShortcutsWinOverEditorsOfThisWindowOnly();
    void accessKeysOpenTheMenusFromEveryControl();
};

void MainWindowTest::theArgumentsDecideWhatStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("scriptPath");
    QTest::newRow("nothing") << QStringList() << 0 << QString() << QString();
    QTest::newRow("a script") << QStringList{"sword.scp"} << 0 << QString()
                              << QDir::currentPath() + "/sword.scp";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "Defwright 1.4\n" << QString();
    QTest::newRow("-h and a script") << QStringList{"-h", "sword.scp"} << 0 << "[file]" << QString();
    QTest::newRow("two scripts") << QStringList{"a.scp", "b.scp"} << 1 << "Only one script" << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << "Unknown option 'bogus'" << QString();
}

void MainWindowTest::theArgumentsDecideWhatStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, scriptPath);

    const CommandLine commandLine(QStringList{"defwright"} + arguments);

    QCOMPARE(commandLine.endsAtOnce(), !output.isEmpty()); // the window opens when nothing is printed
    QCOMPARE(commandLine.exitCode(), exitCode);
    QVERIFY2(commandLine.output().contains(output), qPrintable(commandLine.output()));
    QCOMPARE(commandLine.scriptPath(), scriptPath);
}

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

// Alt and a menu's access key open the menu wherever the focus is: in a text
// box, a list box, a button or a pane (with its find bar open), on every page
// and in both NPC frames, and nothing is typed into the control.
void MainWindowTest::accessKeysOpenTheMenusFromEveryControl()
{
    MainWindow window;
    QVERIFY(showActive(window));
    for (const auto& [page, pane] : {std::pair(1, "txtEdit"), std::pair(3, "txtnEdit")}) {
        showPage(window, page);
        QWidget* editor = control(window, QString::fromLatin1(pane));
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(editor->parentWidget()->findChild<QWidget*>(QStringLiteral("cmdReplaceAll"))->isVisible());
    }
    const std::pair<Qt::Key, const char*> menus[] = {
        {Qt::Key_F, "mnuFile"}, {Qt::Key_E, "mnuEdit"}, {Qt::Key_V, "mnuView"},
        {Qt::Key_S, "mnuScript"}, {Qt::Key_H, "mnuHelp"}};
    const std::pair<int, const char*> steps[] = {
        {0, nullptr}, {1, nullptr}, {2, nullptr}, {2, "Command2"}, {3, nullptr}};
    int visited = 0;
    for (const auto& [page, button] : steps) {
        if (button != nullptr)
            control<QAbstractButton>(window, QString::fromLatin1(button))->click();
        for (QWidget* field : focusableControls(window, page)) {
            const QString before = heldText(field);
            for (const auto& [key, menu] : menus)
                QVERIFY2(menuOpenedByAccessKey(field, key) == QLatin1String(menu),
                         qPrintable(field->objectName() + QStringLiteral(": no ") + QLatin1String(menu)));
            QCOMPARE(heldText(field), before);
            ++visited;
        }
    }
    QVERIFY(visited > 150);
}

DEFWRIGHT_WINDOW_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
