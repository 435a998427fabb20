#include "files/file_test_support.h"
#include "ui/index/scripts_index.h"
#include "ui/panes/pane_document.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QTreeWidget>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

using namespace defwright;
using namespace defwright::test;

namespace {

const QString kItemPane = QStringLiteral("txtEdit");
const QString kNpcPane = QStringLiteral("txtnEdit");

// A scripts folder of three files in their own formats: the lantern item far
// down its file, a horse that names it, the horse's events and a name given twice.
class ScriptsFolder {
public:
    ScriptsFolder()
    {
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/items"));
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/npcs"));
        QDir(dir_.path()).mkpath(QStringLiteral("scripts/misc"));
        QByteArray items;
        for (int i = 0; i < 200; ++i)
            items += "[ITEMDEF 0" + QByteArray::number(0x1000 + i, 16) + "]\r\nNAME=filler\r\n\r\n";
        writeFile(lights(), items + "[ITEMDEF 0a25]\r\nDEFNAME=i_lantern\r\nNAME=lantern \xE9\r\n\r\n[ITEMDEF i_twice]\r\n");
        writeFile(horses(), "\xEF\xBB\xBF[CHARDEF c_horse]\nITEMNEWBIE=i_lantern\nTEVENTS=e_horse\nITEM=i_twice\n");
        writeFile(events(), "// events\r[EVENTS e_horse]\rON=@Click\r[ITEMDEF i_twice]\r");
    }

    [[nodiscard]] QString folder() const { return dir_.filePath(QStringLiteral("scripts")); }
    [[nodiscard]] QString lights() const { return dir_.filePath(QStringLiteral("scripts/items/lights.scp")); }
    [[nodiscard]] QString horses() const { return dir_.filePath(QStringLiteral("scripts/npcs/horses.scp")); }
    [[nodiscard]] QString events() const { return dir_.filePath(QStringLiteral("scripts/misc/events.scp")); }

private:
    QTemporaryDir dir_;
};

PaneDocument* paneDocument(const QWidget& window, const QString& pane)
{
    return control(window, pane)->findChild<PaneDocument*>();
}

QString indexState(const QWidget& window)
{
    return control<QLabel>(window, QStringLiteral("lblScriptsIndex"))->text();
}

// Opens the file into the NPC pane through File > Open NPC Script, which also finds the scripts folder.
void openNpcScript(MainWindow& window, const QString& path)
{
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, QStringLiteral("mnuOpenNpc"));
    QVERIFY(answeredAll(answers));
    QVERIFY(showActive(window)); // again, once the dialog has gone
}

int caretLine(const QWidget& window, const QString& pane)
{
    return document(window, pane)->caretLine();
}

// Puts the caret into the word on `line` (from 0) of the pane, `column` characters in.
QWidget* caretAt(const QWidget& window, const QString& pane, int line, int column)
{
    QWidget* editor = caretToLine(window, pane, line);
    for (int i = 0; i < column; ++i)
        QTest::keyClick(editor, Qt::Key_Right);
    return editor;
}

} // namespace

class FolderCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void goToDefinitionAcrossFilesAndBack();
    void severalDefinitionsAreChosenFromAList();
    void fieldBoxesAndUnknownNamesAreLookedUpToo();
    void theNameListFiltersAsYouTypeAndOpensTheChoice();
    void checkFolderListsWhatIsWrongAndOpensIt();
    void completionOffersKeysTriggersAndNames();
    void theIndexFollowsTheDiskAndThePanesUnsavedText();
};

// The folder is found from the opened file and indexed in the background; F12
// takes an item to the item pane and events to the pane the name was in, with
// the caret on the header line in view; Alt+Left comes back.
void FolderCommandsTest::goToDefinitionAcrossFilesAndBack()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_COMPARE(indexState(window), QStringLiteral("Scripts: 205 definitions in 3 files"));

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
}

// The list offers both places; Down and Enter take the second.
void FolderCommandsTest::severalDefinitionsAreChosenFromAList()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_VERIFY(indexState(window).startsWith(QStringLiteral("Scripts:")));
    QStringList offered;
    QTimer::singleShot(50, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("mnuDefinitionMatches"));
        for (const QAction* action : menu->actions())
            offered << action->text();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(caretAt(window, kNpcPane, 3, 6), Qt::Key_F12);
    QCOMPARE(offered, QStringList({"[ITEMDEF i_twice]  items/lights.scp:605", "[ITEMDEF i_twice]  misc/events.scp:4"}));
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    QCOMPARE(caretLine(window, kItemPane), 3);
}

// F12 in a field box looks up the box's text; a name found nowhere is told in the status bar.
void FolderCommandsTest::fieldBoxesAndUnknownNamesAreLookedUpToo()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_VERIFY(indexState(window).startsWith(QStringLiteral("Scripts:")));
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

// The pane's own sections come first; every word typed must appear, in any
// order and case; Down and Enter open the row as F12 would.
void FolderCommandsTest::theNameListFiltersAsYouTypeAndOpensTheChoice()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_VERIFY(indexState(window).startsWith(QStringLiteral("Scripts:")));
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

// Both places of a name defined twice and the name defined nowhere; Enter on
// a row opens its file at its line; the count goes into the status bar.
void FolderCommandsTest::checkFolderListsWhatIsWrongAndOpensIt()
{
    const ScriptsFolder folder;
    writeFile(folder.events(), "[EVENTS e_horse]\r[ITEMDEF i_twice]\rTEVENTS=e_nowhere\r[TYPEDEF t_open\r");
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_VERIFY(indexState(window).startsWith(QStringLiteral("Scripts:")));
    trigger(window, QStringLiteral("mnuCheckFolder"));
    auto* list = control<QTreeWidget>(window, QStringLiteral("lstFolderProblems"));
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        rows << row->text(0) + u' ' + row->text(1) + u' ' + row->text(2);
    }
    const QStringList expected = {
        "items/lights.scp 605 i_twice is defined 2 times; also at misc/events.scp:2",
        "misc/events.scp 2 i_twice is defined 2 times; also at items/lights.scp:605",
        "misc/events.scp 3 TEVENTS=e_nowhere: e_nowhere is defined nowhere in the folder",
        "misc/events.scp 4 The section header has no \"]\"",
    };
    QCOMPARE(rows, expected);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Check Folder: 4 problems"));
    list->setCurrentItem(list->topLevelItem(2));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    QCOMPARE(caretLine(window, kItemPane), 2);
}

namespace {

long sent(QsciScintilla* pane, unsigned int message)
{
    return pane->SendScintilla(message);
}

// The choice the editor's completion list has selected, empty when none is open.
QString completionChoice(QsciScintilla* pane)
{
    if (sent(pane, QsciScintillaBase::SCI_AUTOCACTIVE) == 0)
        return {};
    QByteArray text(256, 0);
    const long size = pane->SendScintilla(QsciScintillaBase::SCI_AUTOCGETCURRENTTEXT, 0UL, text.data());
    return QString::fromUtf8(text.left(static_cast<int>(size)));
}

QString lastLine(QsciScintilla* pane)
{
    return pane->text(pane->lines() - 1);
}

} // namespace

// Keys after two letters at a line's start, those of the folder too; triggers
// after "ON=@"; names of the folder in a naming value. Tab and Enter take the
// choice, Escape leaves what was typed as it was.
void FolderCommandsTest::completionOffersKeysTriggersAndNames()
{
    const ScriptsFolder folder;
    writeFile(folder.events(), "[EVENTS e_horse]\r[ITEMDEF i_other]\rRESDISPDNID=1\r");
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_VERIFY(indexState(window).startsWith(QStringLiteral("Scripts:")));
    showPage(window, 1);
    auto* pane = control<QsciScintilla>(window, kItemPane);
    document(window, kItemPane)->replaceScript(QStringLiteral("[ITEMDEF i_new]\r\n"));
    pane->setFocus();
    QTest::keyClicks(pane, QStringLiteral("W"));
    QCOMPARE(completionChoice(pane), QString());
    QTest::keyClicks(pane, QStringLiteral("ei"));
    QCOMPARE(completionChoice(pane), QStringLiteral("WEIGHT="));
    QCOMPARE(lastLine(pane), QStringLiteral("Wei"));
    QTest::keyClick(pane, Qt::Key_Tab);
    QCOMPARE(lastLine(pane), QStringLiteral("WEIGHT="));
    QCOMPARE(QApplication::focusWidget(), pane);

    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("resd"));
    QCOMPARE(completionChoice(pane), QStringLiteral("RESDISPDNID="));
    QTest::keyClick(pane, Qt::Key_Escape);
    QCOMPARE(lastLine(pane), QStringLiteral("resd"));

    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("ON=@uneq"));
    QCOMPARE(completionChoice(pane), QStringLiteral("@UNEQUIP"));
    QTest::keyClick(pane, Qt::Key_Return);
    QCOMPARE(lastLine(pane), QStringLiteral("ON=@UNEQUIP"));

    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("TEVENTS=E_"));
    QCOMPARE(completionChoice(pane), QStringLiteral("e_horse"));
    QTest::keyClick(pane, Qt::Key_Return);
    QCOMPARE(lastLine(pane), QStringLiteral("TEVENTS=e_horse"));
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("DUPEITEM="));
    QTest::keyClick(pane, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(completionChoice(pane), QStringLiteral("i_lantern"));
}

// A file added on disk is indexed; a pane's unsaved text wins over its file,
// and once saved the file counts again.
void FolderCommandsTest::theIndexFollowsTheDiskAndThePanesUnsavedText()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(showActive(window));
    openNpcScript(window, folder.horses());
    QTRY_VERIFY(indexState(window).startsWith(QStringLiteral("Scripts:")));
    const ScriptsIndex* index = window.findChild<ScriptsIndex*>();
    QVERIFY(index);
    QDir(folder.folder()).mkpath(QStringLiteral("new"));
    writeFile(folder.folder() + QStringLiteral("/new/mounts.SCP"), "[CHARDEF c_llama]\n");
    QTRY_COMPARE(index->index().lookup("c_llama").size(), 1U);
    writeFile(folder.events(), "[EVENTS e_rider]\r");
    QTRY_COMPARE(index->index().lookup("e_rider").size(), 1U);
    QCOMPARE(index->index().lookup("e_horse").size(), 0U);

    auto* pane = caretToLine(window, kNpcPane, 0);
    QTest::keyClick(pane, Qt::Key_End);
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, QStringLiteral("[EVENTS e_unsaved]"));
    QTRY_COMPARE(index->index().lookup("e_unsaved").size(), 1U);
    QCOMPARE(index->index().lookup("c_horse").size(), 1U);
    writeFile(folder.horses(), "[CHARDEF c_changed_on_disk]\n");
    QTest::qWait(200);
    QCOMPARE(index->index().lookup("e_unsaved").size(), 1U);
    QTest::keyClick(pane, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(showActive(window));
    QTRY_COMPARE(index->index().lookup("e_unsaved").size(), 1U);
    QCOMPARE(index->index().lookup("c_changed_on_disk").size(), 0U);
}

QTEST_MAIN(FolderCommandsTest)
#include "folder_commands_test.moc"
