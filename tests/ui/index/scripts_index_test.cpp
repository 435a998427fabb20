#include "scripts_folder_fixture.h"
#include "ui/index/scripts_index.h"
#include "window_test_main.h"

#include <QFileDialog>
#include <QSettings>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>

using namespace defwright;
using namespace defwright::test;

class ScriptsIndexTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void theIndexFollowsTheDiskAndThePanesUnsavedText();
    void aChosenFolderIsKeptForTheNextStart();
    void aNameInNoEncodingIsLeftOutAndTold();
};

namespace {

// A script whose name has the byte 0xE9 for "é", as an old archive unpacks it:
// not valid in the system's encoding, whatever it is.
std::filesystem::path writeLatinNamed(const QString& folder, const std::string& name)
{
    const std::filesystem::path file = std::filesystem::path(folder.toStdString()) / name;
    std::ofstream(file, std::ios::binary) << "[ITEMDEF i_latin]\r\nNAME=latin\r\n";
    return file;
}

} // namespace

// A file added on disk is indexed; a pane's unsaved text wins over its file,
// changed on disk or not, and once saved the file counts again.
void ScriptsIndexTest::theIndexFollowsTheDiskAndThePanesUnsavedText()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
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
    writeFile(folder.events(), "[EVENTS e_rider]\r[EVENTS e_later]\r"); // seen after the change before it
    QTRY_COMPARE(index->index().lookup("e_later").size(), 1U);
    QCOMPARE(index->index().lookup("e_unsaved").size(), 1U);
    QCOMPARE(index->index().lookup("c_changed_on_disk").size(), 0U);
    ModalAnswers saveOver;
    saveOver.then(press(QMessageBox::Yes));
    QTest::keyClick(pane, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(answeredAll(saveOver));
    QVERIFY(showActive(window));
    writeFile(folder.horses(), "[CHARDEF c_after_save]\n");
    QTRY_COMPARE(index->index().lookup("c_after_save").size(), 1U);
    QCOMPARE(index->index().lookup("e_unsaved").size(), 0U);
}

// Scripts Folder... wins over the folder found from a file, now and at the next start.
void ScriptsIndexTest::aChosenFolderIsKeptForTheNextStart()
{
    const ScriptsFolder folder;
    const QString misc = QFileInfo(folder.events()).absolutePath();
    {
        MainWindow window;
        QVERIFY(showActive(window));
        {
            ModalAnswers answers;
            answers.then([&misc](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                QCOMPARE(dialog->objectName(), QStringLiteral("diaScriptsFolder"));
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(misc);
                static_cast<QDialog*>(dialog)->accept();
            });
            trigger(window, QStringLiteral("mnuScriptsFolder"));
            QVERIFY(answeredAll(answers));
        }
        QTRY_COMPARE(indexState(window), QStringLiteral("Scripts: 2 definitions in 1 file"));
        openNpcScript(window, folder.horses());
        QTRY_VERIFY(!window.findChild<ScriptsIndex*>()->isBuilding());
        QCOMPARE(window.findChild<ScriptsIndex*>()->folder(), misc);
    }
    QCOMPARE(QSettings().value(QStringLiteral("scriptsFolder")).toString(), misc);
    MainWindow again;
    QTRY_COMPARE(indexState(again), QStringLiteral("Scripts: 2 definitions in 1 file"));
}

// Such a file, there at the start and appearing while the scripter types, is
// left out of the index and named in the folder check; the index goes on.
void ScriptsIndexTest::aNameInNoEncodingIsLeftOutAndTold()
{
    const ScriptsFolder folder;
    const std::filesystem::path before = writeLatinNamed(folder.folder() + "/misc", "caf\xE9.scp");
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QCOMPARE(indexState(window), QStringLiteral("Scripts: 205 definitions in 3 files"));
    QTest::keyClicks(caretToLine(window, kNpcPane, 4), QStringLiteral("// typed"));
    const std::filesystem::path after = writeLatinNamed(folder.folder() + "/items", "\xE9p\xE9" "e.scp");
    QTest::keyClicks(control(window, kNpcPane), QStringLiteral(" on"));
    auto* index = window.findChild<ScriptsIndex*>();
    QTRY_COMPARE(index->unnamedFiles().size(), 2U);
    trigger(window, QStringLiteral("mnuCheckFolder"));
    auto* problems = control<QTreeWidget>(window, QStringLiteral("lstFolderProblems"));
    const QList<QTreeWidgetItem*> named = problems->findItems(QStringLiteral("not valid in the system's encoding"),
                                                              Qt::MatchContains, 3);
    QCOMPARE(named.size(), 2);
    QVERIFY(paneDocument(window, kNpcPane)->pane()->script().endsWith(QStringLiteral("// typed on")));
    for (const std::filesystem::path& file : {before, after})
        std::filesystem::remove(file); // Qt could not take it away with the folder
}

DEFWRIGHT_WINDOW_TEST_MAIN(ScriptsIndexTest)
#include "scripts_index_test.moc"
