#include "../scripts_folder_fixture.h"
#include "window_test_main.h"

#include <QListView>
#include <QMenu>
#include <QStatusBar>

using namespace defwright;
using namespace defwright::test;

namespace {

enum class Jump { GoToDefinition, DefinitionList, Open, OpenRecent };

// From the NPC pane's horses to the item pane's lights, as the scripter would.
void jumpToLights(MainWindow& window, const ScriptsFolder& folder, Jump jump)
{
    ModalAnswers answers;
    switch (jump) {
    case Jump::GoToDefinition:
        QTest::keyClick(caretAt(window, kNpcPane, 1, 13), Qt::Key_F12);
        break;
    case Jump::DefinitionList: {
        QTest::keyClick(control(window, kNpcPane), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
        auto* filter = control<QLineEdit>(*QApplication::activePopupWidget(), QStringLiteral("txtDefinitionFilter"));
        QTest::keyClicks(filter, QStringLiteral("i_lantern"));
        QTest::keyClick(filter, Qt::Key_Return);
        break;
    }
    case Jump::Open:
        answers.then(chooseFile(folder.lights()));
        trigger(window, QStringLiteral("mnuOpen"));
        break;
    case Jump::OpenRecent:
        for (QAction* entry : control<QMenu>(window, QStringLiteral("mnuRecent"))->actions()) {
            if (entry->statusTip() == QDir::toNativeSeparators(folder.lights()))
                entry->trigger();
        }
        break;
    }
    QVERIFY(answeredAll(answers));
}

} // namespace

Q_DECLARE_METATYPE(Jump)

class JumpsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void noJumpPutsOneFilesBytesIntoAnother_data();
    void noJumpPutsOneFilesBytesIntoAnother();
    void placesMoveWithTheirLinesAndOutliveTheirDocuments();
};

void JumpsTest::noJumpPutsOneFilesBytesIntoAnother_data()
{
    QTest::addColumn<Jump>("jump");
    QTest::newRow("Go to Definition") << Jump::GoToDefinition;
    QTest::newRow("Go to Definition by Name") << Jump::DefinitionList;
    QTest::newRow("Open") << Jump::Open;
    QTest::newRow("Open Recent") << Jump::OpenRecent;
}

// Edit horses, jump to lights, Ctrl+Z there, Ctrl+S, back to horses (Alt+Left,
// or its page for a file opened), Ctrl+Z, Ctrl+S: the undo of each document
// stays in it, the way back reads nothing from disk, and both files keep
// their bytes. Lights is known to Open Recent from an opening before.
void JumpsTest::noJumpPutsOneFilesBytesIntoAnother()
{
    QFETCH(Jump, jump);
    const ScriptsFolder folder;
    const QByteArray horses = contents(folder.horses());
    const QByteArray lights = contents(folder.lights());
    MainWindow window;
    window.openItemScript(folder.lights());
    trigger(window, QStringLiteral("mnuClose"));
    QVERIFY(openIndexed(window, folder.horses()));
    QTest::keyClicks(caretToLine(window, kNpcPane, 4), QStringLiteral("x"));
    const QString edited = paneDocument(window, kNpcPane)->pane()->script();

    jumpToLights(window, folder, jump);
    QCOMPARE(currentPage(window), 1);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    QTest::keyClick(control(window, kItemPane), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!paneDocument(window, kItemPane)->isModified());
    trigger(window, QStringLiteral("mnuSave"));
    QCOMPARE(contents(folder.lights()), lights);

    if (jump == Jump::Open || jump == Jump::OpenRecent)
        showPage(window, 3);
    else
        QTest::keyClick(control(window, kItemPane), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(currentPage(window), 3);
    QCOMPARE(paneDocument(window, kNpcPane)->filePath(), folder.horses());
    QCOMPARE(paneDocument(window, kNpcPane)->pane()->script(), edited);
    QTest::keyClick(control(window, kNpcPane), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!paneDocument(window, kNpcPane)->isModified());
    trigger(window, QStringLiteral("mnuSave"));
    QCOMPARE(contents(folder.horses()), horses);
    QCOMPARE(contents(folder.lights()), lights);
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + folder.horses());
}

// A place left moves with the lines typed above it while its document is
// shown; Go Forward returns to where Go Back left, and to a document closed
// since, by opening its file again at its line.
void JumpsTest::placesMoveWithTheirLinesAndOutliveTheirDocuments()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QTest::keyClick(caretAt(window, kNpcPane, 1, 13), Qt::Key_F12);
    QCOMPARE(caretLine(window, kItemPane), 600);
    showPage(window, 3);
    QTest::keyClick(caretToLine(window, kNpcPane, 0), Qt::Key_Return);
    QTest::keyClick(control(window, kNpcPane), Qt::Key_Return);
    showPage(window, 1);

    QTest::keyClick(control(window, kItemPane), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(currentPage(window), 3);
    QCOMPARE(caretLine(window, kNpcPane), 3);
    QTest::keyClick(control(window, kNpcPane), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(currentPage(window), 1);
    QCOMPARE(caretLine(window, kItemPane), 600);
    QTest::keyClick(control(window, kItemPane), Qt::Key_Left, Qt::AltModifier);
    showPage(window, 1);
    trigger(window, QStringLiteral("mnuClose"));
    QCOMPARE(paneDocuments(window, kItemPane)->documents().size(), 1);

    QTest::keyClick(control(window, kItemPane), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    QCOMPARE(caretLine(window, kItemPane), 600);
    QTest::keyClick(control(window, kItemPane), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(window.statusBar()->currentMessage(), QStringLiteral("No place to go forward to"));
}

DEFWRIGHT_WINDOW_TEST_MAIN(JumpsTest)
#include "jumps_test.moc"
