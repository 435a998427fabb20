#include "scripts_folder_fixture.h"
#include "ui/documents/front_document.h"
#include "ui/index/scripts_index.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidget>

using namespace defwright;
using namespace defwright::test;

namespace {

// Each file's row with its places under it, as "caption: line text | line text".
QStringList groups(const QTreeWidget* list)
{
    QStringList shown;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* file = list->topLevelItem(i);
        QStringList places;
        for (int place = 0; place < file->childCount(); ++place)
            places << file->child(place)->text(0) + u' ' + file->child(place)->text(1);
        shown << file->text(0) + QStringLiteral(": ") + places.join(QStringLiteral(" | "));
    }
    return shown;
}

} // namespace

class FolderCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void goToDefinitionAcrossFilesAndBack();
    void aLookupWaitsForTheIndexStillBeingBuilt();
    void severalDefinitionsAreChosenFromAList();
    void theNameListFiltersAsYouTypeAndOpensTheChoice();
    void namesAreReadAsTheServerReadsThem();
    void everyPlaceIsListedByFileAndEnterGoesThere();
};

// The folder is found from the opened file and indexed in the background; F12
// takes an item to the item pane and events to the pane the name was in, with
// the caret on the header line in view; Alt+Left comes back.
void FolderCommandsTest::goToDefinitionAcrossFilesAndBack()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QCOMPARE(indexState(window), QStringLiteral("Scripts: 205 definitions in 3 files"));

    QTest::keyClick(caretAt(window, kNpcPane, 1, 13), Qt::Key_F12);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    QCOMPARE(currentPage(window), 1);
    QCOMPARE(caretLine(window, kItemPane), 600);
    auto* items = control<QsciScintilla>(window, kItemPane);
    QVERIFY(items->firstVisibleLine() <= 600 && items->firstVisibleLine() + items->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN) > 600);
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + folder.lights());

    QTest::keyClick(items, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(currentPage(window), 3);
    QCOMPARE(caretLine(window, kNpcPane), 1);

    QTest::keyClick(caretAt(window, kNpcPane, 2, 9), Qt::Key_F12);
    QCOMPARE(paneDocument(window, kNpcPane)->filePath(), folder.events());
    QCOMPARE(caretLine(window, kNpcPane), 1);
    QTest::keyClick(control(window, kNpcPane), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(paneDocument(window, kNpcPane)->filePath(), folder.horses());
    QCOMPARE(caretLine(window, kNpcPane), 2);

    // From a field box, the box's text; a name found nowhere is told in the status bar.
    showPage(window, 2);
    auto* box = control<QComboBox>(window, QStringLiteral("lstCan(6)"));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("e_horse"));
    QTest::keyClick(box, Qt::Key_F12);
    QCOMPARE(paneDocument(window, kNpcPane)->filePath(), folder.events());
    QCOMPARE(currentPage(window), 3);

    QTest::keyClick(caretAt(window, kNpcPane, 0, 4), Qt::Key_F12);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("No definition of events in the scripts folder"));
}

// F12 at once after opening: the folder is still being found and indexed,
// and the lookup waits for it rather than finding nothing.
void FolderCommandsTest::aLookupWaitsForTheIndexStillBeingBuilt()
{
    const ScriptsFolder folder;
    const QByteArray filler = QByteArray("// a long comment line of the kind real files carry\r\n").repeated(400);
    QDir(folder.folder()).mkpath(QStringLiteral("more"));
    for (int i = 0; i < 300; ++i)
        writeFile(folder.folder() + QStringLiteral("/more/m%1.scp").arg(i), "[EVENTS e_more_" + QByteArray::number(i) + "]\r\n" + filler);
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QVERIFY(window.findChild<ScriptsIndex*>()->isBuilding());
    QTest::keyClick(caretAt(window, kNpcPane, 1, 13), Qt::Key_F12);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    QCOMPARE(caretLine(window, kItemPane), 600);
}

// The list offers both places; Down and Enter take the second.
void FolderCommandsTest::severalDefinitionsAreChosenFromAList()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QStringList offered;
    ModalAnswers answers;
    answers.then([&offered](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("mnuDefinitionMatches"));
        for (const QAction* action : menu->actions())
            offered << action->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(caretAt(window, kNpcPane, 3, 6), Qt::Key_F12);
    QVERIFY(answeredAll(answers));
    QCOMPARE(offered, QStringList({"[ITEMDEF i_twice]  items/lights.scp:605", "[ITEMDEF i_twice]  misc/events.scp:4"}));
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    QCOMPARE(caretLine(window, kItemPane), 3);
}

// The pane's own sections come first; every word typed must appear, in any
// order and case; Down and Enter open the row as F12 would.
void FolderCommandsTest::theNameListFiltersAsYouTypeAndOpensTheChoice()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QTest::keyClick(caretAt(window, kNpcPane, 0, 0), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    auto* popup = qobject_cast<QFrame*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    auto* list = control<QListView>(*popup, QStringLiteral("lstDefinitions"));
    QCOMPARE(list->model()->rowCount(), 205);
    QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("CHARDEF c_horse  horses.scp:1"));
    auto* filter = control<QLineEdit>(*popup, QStringLiteral("txtDefinitionFilter"));
    QTest::keyClicks(filter, QStringLiteral("TWICE item"));
    QCOMPARE(list->model()->rowCount(), 2);
    QTest::keyClicks(filter, QStringLiteral(" events.scp"));
    QCOMPARE(list->model()->rowCount(), 1);
    QTest::keyClick(filter, Qt::Key_Backspace);
    QTest::keyClicks(filter, QStringLiteral("p"));
    QTest::keyClick(filter, Qt::Key_Return);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    QCOMPARE(caretLine(window, kItemPane), 3);
}

// A [TYPEDEFS] or [DEFNAME] entry is found on its own line, a dialog's part
// leads to the dialog, a name joined by dots is found by itself, and a file
// the load list leaves out is marked wherever its definitions are offered.
void FolderCommandsTest::namesAreReadAsTheServerReadsThem()
{
    const ScriptsFolder folder;
    const QString scripts = folder.folder();
    writeFile(scripts + "/tables.scp", "[RESOURCES]\r\nitems/\r\nnpcs\\\r\nmisc/\r\n// old/\r\n");
    writeFile(scripts + "/misc/types.scp", "[TYPEDEFS]\r\nt_wood=1\r\nt_wand=2\r\n\r\n[DEFNAME colours]\r\n"
                                           "color_red 021\r\n\r\n[DIALOG d_admin]\r\n10,10\r\n"
                                           "[DIALOG d_admin TEXT]\r\nHello\r\n");
    writeFile(scripts + "/misc/use.scp", "[FUNCTION f_use]\nSRC.SYSMESSAGE <DEF.color_red>\nSERV.NEWITEM i_lamp_old\n"
                                         "DIALOG d_admin\nTYPE=t_wand\n");
    QDir(scripts).mkpath("old");
    writeFile(scripts + "/old/legacy.scp", "[ITEMDEF i_lamp_old]\r\nNAME=old lamp\r\n");
    MainWindow window;
    QVERIFY(openIndexed(window, scripts + "/misc/use.scp"));
    const QList<std::tuple<int, int, QString, int>> jumps = {
        {4, 7, "misc/types.scp", 2}, {1, 22, "misc/types.scp", 5}, {3, 9, "misc/types.scp", 7},
        {2, 15, "old/legacy.scp", 0}};
    for (const auto& [line, column, file, landing] : jumps) {
        QTest::keyClick(caretAt(window, kNpcPane, line, column), Qt::Key_F12);
        const PaneDocument* front = window.findChild<FrontDocument*>()->document();
        QCOMPARE(front->filePath(), scripts + u'/' + file);
        QCOMPARE(front->pane()->caretLine(), landing);
        QTest::keyClick(front->pane(), Qt::Key_Left, Qt::AltModifier);
    }
    QCOMPARE(window.statusBar()->currentMessage(),
             "i_lamp_old is defined in " + QDir::toNativeSeparators(scripts + "/old/legacy.scp")
                 + ", which the server does not load");

    QTest::keyClick(caretAt(window, kNpcPane, 0, 0), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    auto* popup = qobject_cast<QFrame*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QTest::keyClicks(control<QLineEdit>(*popup, QStringLiteral("txtDefinitionFilter")), QStringLiteral("lamp_old"));
    auto* list = control<QListView>(*popup, QStringLiteral("lstDefinitions"));
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(list->model()->index(0, 0).data().toString(), "ITEMDEF i_lamp_old  \"old lamp\"  old/legacy.scp:1  (not loaded)");
    QTest::keyClick(popup, Qt::Key_Escape);
}

// Shift+F12 on i_lantern lists its item's header (by its id), its DEFNAME and
// the NPC that names it, by file, with the count; Copy gives them as text.
// Enter opens the place as a jump: Alt+Left comes back. A name nothing names
// is told in the status bar.
void FolderCommandsTest::everyPlaceIsListedByFileAndEnterGoesThere()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QTest::keyClick(caretAt(window, kNpcPane, 1, 13), Qt::Key_F12, Qt::ShiftModifier);

    auto* references = control(window, QStringLiteral("frmReferences"));
    QVERIFY(references->isVisible());
    QCOMPARE(references->windowTitle(), QStringLiteral("References to i_lantern"));
    QCOMPARE(control<QLabel>(*references, QStringLiteral("lblReferenceCount"))->text(), "3 places in 2 files");
    QCOMPARE(window.statusBar()->currentMessage(), "References to i_lantern: 3 places in 2 files");
    auto* list = control<QTreeWidget>(*references, QStringLiteral("lstReferences"));
    QCOMPARE(groups(list), (QStringList{"items/lights.scp  (2): 601 [ITEMDEF 0a25] | 602 DEFNAME=i_lantern",
                                        "npcs/horses.scp  (1): 2 ITEMNEWBIE=i_lantern"}));
    control<QPushButton>(*references, QStringLiteral("cmdCopyReferences"))->click();
    QCOMPARE(QApplication::clipboard()->text(), "items/lights.scp:601: [ITEMDEF 0a25]\n"
                                                "items/lights.scp:602: DEFNAME=i_lantern\n"
                                                "npcs/horses.scp:2: ITEMNEWBIE=i_lantern\n");

    QCOMPARE(list->currentItem(), list->topLevelItem(0)->child(0));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    QCOMPARE(caretLine(window, kItemPane), 601);
    QCOMPARE(currentPage(window), 1);
    QTest::keyClick(control(window, kItemPane), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(currentPage(window), 3);
    QCOMPARE(caretLine(window, kNpcPane), 1);

    QTest::keyClick(caretAt(window, kNpcPane, 0, 2), Qt::Key_F12, Qt::ShiftModifier);
    QCOMPARE(window.statusBar()->currentMessage(), "No place in the scripts folder names CHARDEF");
}

DEFWRIGHT_WINDOW_TEST_MAIN(FolderCommandsTest)
#include "folder_commands_test.moc"
