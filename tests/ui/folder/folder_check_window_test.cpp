#include "../scripts_folder_fixture.h"
#include "ui/folder/folder_check_window.h"
#include "window_test_main.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTreeWidget>

using namespace defwright;
using namespace defwright::test;

namespace {

using Kind = FolderProblem::Kind;

std::vector<FolderProblem> someProblems()
{
    return {
        folderProblem(Kind::Undefined, "/f/a.scp", 0, "TYPE=t_x: t_x is defined nowhere in the folder"),
        folderProblem(Kind::DefinedTwice, "/f/a.scp", 4, "i_x is defined 2 times; also at b.scp:3"),
        folderProblem(Kind::NotLoaded, "/f/old/c.scp", 0, "The server does not load this file"),
        folderProblem(Kind::DefinedTwice, "/f/b.scp", 2, "i_x is defined 2 times; also at a.scp:5"),
    };
}

// Each row as severity, file, line and message.
QStringList rows(const QWidget& window)
{
    const auto* list = control<QTreeWidget>(window, QStringLiteral("lstFolderProblems"));
    QStringList shown;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list->topLevelItem(i);
        shown << QStringList{row->text(0), row->text(1), row->text(2), row->text(3)}.join(u' ');
    }
    return shown;
}

QString countShown(const QWidget& window)
{
    return control<QLabel>(window, QStringLiteral("lblProblemCount"))->text();
}

} // namespace

class FolderCheckWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void severitiesAndWordsNarrowTheList();
    void theListSortsByFileOrKindAndCopiesAsText();
    void theLoadListsProblemsHaveTheirSeverities();
    void checkFolderListsWhatIsWrongAndOpensIt();
    void eachFaultOfALoadedScriptIsListedWithItsSeverity();
};

// Each severity's box says how many there are and hides them when cleared;
// the words typed must all be in the file or the message, in any case.
void FolderCheckWindowTest::severitiesAndWordsNarrowTheList()
{
    FolderCheckWindow window(nullptr);
    window.showProblems(someProblems(), "/f");
    QCOMPARE(rows(window), (QStringList{"Error a.scp 1 TYPE=t_x: t_x is defined nowhere in the folder",
                                        "Warning a.scp 5 i_x is defined 2 times; also at b.scp:3",
                                        "Warning b.scp 3 i_x is defined 2 times; also at a.scp:5",
                                        "Hint old/c.scp 1 The server does not load this file"}));
    QCOMPARE(countShown(window), "4 problems");
    auto* warnings = control<QCheckBox>(window, "chkShowWarnings");
    QCOMPARE(control<QCheckBox>(window, "chkShowErrors")->text(), "&Errors (1)");
    QCOMPARE(warnings->text(), "&Warnings (2)");
    QCOMPARE(control<QCheckBox>(window, "chkShowHints")->text(), "&Hints (1)");

    warnings->click();
    QCOMPARE(rows(window).size(), 2);
    QCOMPARE(countShown(window), "2 of 4 problems shown");
    auto* filter = control<QLineEdit>(window, "txtProblemFilter");
    QTest::keyClicks(filter, "OLD load");
    QCOMPARE(rows(window), QStringList{"Hint old/c.scp 1 The server does not load this file"});
    filter->clear();
    QTest::keyClicks(filter, "i_x");
    QCOMPARE(rows(window), QStringList());
    warnings->click();
    QCOMPARE(rows(window).size(), 2);
    QCOMPARE(countShown(window), "2 of 4 problems shown");
}

// By kind, problems of a kind come together, each kind by file and line. Copy
// gives every row shown, Ctrl+C the rows selected, as "file:line: message";
// Enter asks for the row's place.
void FolderCheckWindowTest::theListSortsByFileOrKindAndCopiesAsText()
{
    FolderCheckWindow window(nullptr);
    window.showProblems(someProblems(), "/f");
    control<QComboBox>(window, "cboProblemOrder")->setCurrentIndex(1);
    const QStringList byKind = {"a.scp:5: i_x is defined 2 times; also at b.scp:3",
                                "b.scp:3: i_x is defined 2 times; also at a.scp:5",
                                "a.scp:1: TYPE=t_x: t_x is defined nowhere in the folder",
                                "old/c.scp:1: The server does not load this file"};
    control<QPushButton>(window, "cmdCopyProblems")->click();
    QCOMPARE(QApplication::clipboard()->text(), byKind.join(u'\n') + u'\n');

    auto* list = control<QTreeWidget>(window, "lstFolderProblems");
    list->setCurrentItem(list->topLevelItem(2));
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), byKind[2] + u'\n');
    QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), byKind[2] + u'\n' + byKind[3] + u'\n');

    const QSignalSpy chosen(&window, &FolderCheckWindow::placeChosen);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.at(0), (QVariantList{"/f/old/c.scp", 0}));
}

// A line of the load list that names no script is an error; a folder it never
// reaches, a hint; a name only such a script defines, an error where it is used.
void FolderCheckWindowTest::theLoadListsProblemsHaveTheirSeverities()
{
    const ScriptsFolder folder;
    writeFile(folder.folder() + "/tables.scp", "[RESOURCES]\r\nitems/\r\nnpcs\\horses\r\nmisc/gone.scp\r\n");
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    trigger(window, QStringLiteral("mnuCheckFolder"));
    auto* check = control(window, "frmFolderCheck");
    QCOMPARE(rows(*check),
             (QStringList{"Hint misc/events.scp 1 The server does not load the only script in misc/: the load list "
                          "of tables.scp never reaches it",
                          "Warning npcs/horses.scp 2 Unknown CHARDEF key ITEMNEWBIE",
                          "Error npcs/horses.scp 3 TEVENTS=e_horse: e_horse is defined only in misc/events.scp, which "
                          "the server does not load",
                          "Warning npcs/horses.scp 4 Unknown CHARDEF key ITEM",
                          "Error tables.scp 4 The load list names misc/gone.scp, which is not in the scripts folder"}));
    control<QCheckBox>(*check, "chkShowErrors")->click();
    QCOMPARE(rows(*check).size(), 3);
}

// Both places of a name defined twice and the name defined nowhere; Enter on
// a row opens its file at its line; the count goes into the status bar.
void FolderCheckWindowTest::checkFolderListsWhatIsWrongAndOpensIt()
{
    const ScriptsFolder folder;
    writeFile(folder.events(), "[EVENTS e_horse]\r[ITEMDEF i_twice]\rTEVENTS=e_nowhere\r[TYPEDEF t_open\r");
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    trigger(window, QStringLiteral("mnuCheckFolder"));
    const QStringList expected = {
        "Warning items/lights.scp 605 i_twice is defined 2 times; also at misc/events.scp:2",
        "Warning misc/events.scp 2 i_twice is defined 2 times; also at items/lights.scp:605",
        "Error misc/events.scp 3 TEVENTS=e_nowhere: e_nowhere is defined nowhere in the folder",
        "Error misc/events.scp 4 The section header has no \"]\"",
        "Warning npcs/horses.scp 2 Unknown CHARDEF key ITEMNEWBIE",
        "Warning npcs/horses.scp 4 Unknown CHARDEF key ITEM",
    };
    QCOMPARE(rows(window).join(u'\n'), expected.join(u'\n'));
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("Check Folder: 6 problems"));
    auto* list = control<QTreeWidget>(window, QStringLiteral("lstFolderProblems"));
    list->setCurrentItem(list->topLevelItem(2));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.events());
    QCOMPARE(caretLine(window, kItemPane), 2);
}

// Beside what the index finds, each fault of a loaded script, at its line.
void FolderCheckWindowTest::eachFaultOfALoadedScriptIsListedWithItsSeverity()
{
    const ScriptsFolder folder;
    writeFile(folder.horses(), "[CHARDEF c_horse]\nDEXX=1\nON=@Create\nITEMNEWBIE=i_lantern\nIF 1\n");
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    trigger(window, QStringLiteral("mnuCheckFolder"));
    QCOMPARE(rows(window).filter(" npcs/horses.scp "),
             (QStringList{"Warning npcs/horses.scp 2 Unknown CHARDEF key DEXX: did you mean DEX?",
                          "Error npcs/horses.scp 5 IF never closed: ENDIF missing"}));
}

DEFWRIGHT_WINDOW_TEST_MAIN(FolderCheckWindowTest)
#include "folder_check_window_test.moc"
