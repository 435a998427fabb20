#include "../scripts_folder_fixture.h"
#include "core/items/item_script.h"
#include "ui/items/item_fields_page.h"
#include "window_test_main.h"

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kItemTabs = QStringLiteral("tabItemScripts");

QWidget* closeButton(const QTabBar* tabs, int index)
{
    QWidget* left = tabs->tabButton(index, QTabBar::LeftSide);
    return left != nullptr ? left : tabs->tabButton(index, QTabBar::RightSide);
}

void clickTab(QTabBar* tabs, int index, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(tabs, button, {}, tabs->tabRect(index).center());
}

} // namespace

class DocumentTabsTest : public QObject {
    Q_OBJECT

private slots:
    void theFormsScriptIsFirstAndNeverClosed();
    void closingAsksBeforeDroppingChanges_data();
    void closingAsksBeforeDroppingChanges();
    void aFileIsOneDocumentInEitherPane();
    void untiedFieldsWriteOnlyTheFormsScript();
};

// Each tab names its document, marks it while it differs from its file and
// gives the path as its tool tip; the form's script has no close button, and
// a drag that puts a file before it leaves it first once the mouse is let go.
// Clicking a tab shows its document; a middle click closes a file's.
void DocumentTabsTest::theFormsScriptIsFirstAndNeverClosed()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    auto* tabs = control<QTabBar>(window, kItemTabs);
    QCOMPARE(tabTexts(window, kItemTabs), QStringList{"Item Fields"});
    QCOMPARE(closeButton(tabs, 0), nullptr);
    QCOMPARE(tabs->accessibleName(), "Item scripts");
    window.openItemScript(folder.lights());
    window.openItemScript(folder.events());
    QTest::keyClicks(caretToLine(window, kItemPane, 1), "x");
    QTRY_COMPARE(tabTexts(window, kItemTabs), (QStringList{"Item Fields", "lights.scp", "events.scp*"}));
    QCOMPARE(tabs->tabToolTip(1), QDir::toNativeSeparators(folder.lights()));
    QCOMPARE(tabs->accessibleTabName(2), "events.scp, modified");
    QVERIFY(closeButton(tabs, 1) != nullptr);

    tabs->moveTab(2, 0);
    clickTab(tabs, 0);
    QTRY_COMPARE(tabTexts(window, kItemTabs), (QStringList{"Item Fields", "events.scp*", "lights.scp"}));
    clickTab(tabs, 2);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    clickTab(tabs, 2, Qt::MiddleButton);
    QCOMPARE(tabTexts(window, kItemTabs), (QStringList{"Item Fields", "events.scp*"}));
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    trigger(window, "mnuPreviousDocument");
    QVERIFY(paneDocument(window, kItemPane)->isFormScript());
    QVERIFY(!control<QAction>(window, "mnuClose")->isEnabled());
    trigger(window, "mnuNextDocument");
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    QCOMPARE(window.windowTitle(), "File : " + QDir::toNativeSeparators(folder.events()));
}

void DocumentTabsTest::closingAsksBeforeDroppingChanges_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("written");
    QTest::newRow("Save") << int(QMessageBox::Save) << true << true;
    QTest::newRow("Discard") << int(QMessageBox::Discard) << true << false;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false << false;
}

// Ctrl+W or the tab's button, with the changes in another tab: the document
// comes to the front and Save is the answer Enter gives.
void DocumentTabsTest::closingAsksBeforeDroppingChanges()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, written);
    const ScriptsFolder folder;
    const QByteArray events = contents(folder.events());
    MainWindow window;
    window.openItemScript(folder.events());
    QTest::keyClicks(caretToLine(window, kItemPane, 0), "x");
    window.openItemScript(folder.lights());
    ShownBox asked;
    ModalAnswers answers;
    answers.then(press(QMessageBox::StandardButton(answer), &asked));
    auto* tabs = control<QTabBar>(window, kItemTabs);
    QMetaObject::invokeMethod(closeButton(tabs, 1), "click");

    QVERIFY(answeredAll(answers));
    QCOMPARE(asked.text, "events.scp has changes that are not saved.\n\nSave them before closing it?");
    QCOMPARE(asked.defaultButton, QMessageBox::Save);
    QCOMPARE(tabs->count(), closed ? 2 : 3);
    QCOMPARE(contents(folder.events()), written ? "x" + events : events);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), closed ? folder.lights() : folder.events());
}

// Opened again under another spelling of its path, in the other pane, a file
// brings its one document to the front; Save As will not make a second
// document of it, and starts in the folder of the file in front.
void DocumentTabsTest::aFileIsOneDocumentInEitherPane()
{
    const ScriptsFolder folder;
    MainWindow window;
    openNpcScript(window, folder.horses());
    window.openItemScript(folder.folder() + "/items/../npcs/horses.scp");
    QCOMPARE(currentPage(window), 3);
    QCOMPARE(paneDocuments(window, kItemPane)->documents().size(), 1);
    window.openItemScript(folder.lights());

    QString offered;
    const ShownBox refused = endingBox([&window] { trigger(window, "mnuSaveAs"); },
                                       {chooseFile(folder.horses(), &offered)});
    QCOMPARE(offered, folder.lights());
    QCOMPARE(refused.text, "Could not save " + QDir::toNativeSeparators(folder.horses())
                               + "\n\nThe file is open in another tab. Close it there first, or save under "
                                 "another name.");
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
}

// Typing into untied fields, entering a basic field and a trigger button
// write the form's own script and bring it to the front; the file opened
// keeps its text byte for byte, with nothing to undo.
void DocumentTabsTest::untiedFieldsWriteOnlyTheFormsScript()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    window.openItemScript(folder.lights());
    const std::string lights(paneDocument(window, kItemPane)->editor().bytes());
    QTest::keyClicks(control(window, "txtBasic(0)"), "sword");
    QVERIFY(paneDocument(window, kItemPane)->isFormScript());
    QCOMPARE(pane(window, kItemPane)->script(),
             qt(itemScript(window.findChild<ItemFieldsPage*>()->record())));
    trigger(window, "mnuNextDocument");
    control(window, "txtBasic(1)")->setFocus(Qt::TabFocusReason);
    QVERIFY(paneDocument(window, kItemPane)->isFormScript());
    trigger(window, "mnuNextDocument");
    control<QAbstractButton>(window, "cmdtriggers(0)")->click();
    QVERIFY(paneDocument(window, kItemPane)->isFormScript());
    QVERIFY(pane(window, kItemPane)->script().endsWith("ON=@CLICK\r\n"));
    const PaneDocument* file = paneDocuments(window, kItemPane)->documentOf(folder.lights());
    QVERIFY(std::string(file->editor().bytes()) == lights);
    QVERIFY(!file->isModified());
}

DEFWRIGHT_WINDOW_TEST_MAIN(DocumentTabsTest)
#include "document_tabs_test.moc"
