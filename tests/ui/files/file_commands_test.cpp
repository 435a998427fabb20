#include "../scripts_folder_fixture.h"
#include "core/script/script_text.h"
#include "ui/documents/front_document.h"
#include "ui/documents/native_paths.h"
#include "window_test_main.h"

#include <QMenu>

using namespace defwright;
using namespace defwright::test;

namespace {

// The menu's entries that show, "-" for the separator.
QStringList recentEntries(const MainWindow& window)
{
    QStringList shown;
    for (const QAction* action : control<QMenu>(window, "mnuRecent")->actions()) {
        if (action->isVisible())
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return shown;
}

// Opens seven item scripts, the fourth twice, and saves one script of each pane.
void useNineFiles(const QTemporaryDir& dir)
{
    MainWindow window;
    for (const QString name : {"f0.scp", "f1.scp", "f2.scp", "f3.scp", "f4.scp", "r&d.scp", "f6.scp"}) {
        writeFile(dir.filePath(name), "x");
        window.openItemScript(dir.filePath(name));
    }
    pane(window, "txtnEdit")->replaceScript("[CHARDEF c_orc]");
    ModalAnswers answers;
    answers.then(chooseFile(dir.filePath("f7.scp"))).then(chooseFile(dir.filePath("f8.scp")));
    trigger(window, "mnuSaveNpcAs");
    trigger(window, "mnuSaveAs");
    window.openItemScript(dir.filePath("f3.scp"));
    QVERIFY(answeredAll(answers));
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { trigger(MainWindow(), "mnuClearRecent"); }
    void newPutsTheBannerInTheItemPaneOnly();
    void eachPaneIsSavedAndOpenedByItsOwnCommands_data();
    void eachPaneIsSavedAndOpenedByItsOwnCommands();
    void nothingIsWrittenUnasked();
    void saveAsksBeforeWritingOverWhatChangedOnDisk();
    void theLastEightFilesAreListedAndReopened();
    void namesDifferingInCaseAreOneFileWhereTheFileSystemSaysSo();
};

// From any page. The caret stands after the banner, and Ctrl+Z brings the hand edits back.
void FileCommandsTest::newPutsTheBannerInTheItemPaneOnly()
{
    MainWindow window;
    pane(window, "txtEdit")->replaceScript("hand edits");
    pane(window, "txtnEdit")->replaceScript("npc script");
    showPage(window, 3);

    trigger(window, "mnuNew");

    QCOMPARE(pane(window, "txtnEdit")->script(), "npc script");
    QWidget* editor = control(window, "txtEdit");
    QTest::keyClicks(editor, "x");
    QCOMPARE(pane(window, "txtEdit")->script(), QString::fromStdString(bannerText()) + u'x');
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(window, "txtEdit")->script(), "hand edits");
}

void FileCommandsTest::eachPaneIsSavedAndOpenedByItsOwnCommands_data()
{
    QTest::addColumn<bool>("item");
    QTest::newRow("item") << true;
    QTest::newRow("npc") << false;
}

// Each command works from any page, through dialogs that show the scripts.
// Open reads the file under the wait cursor into a document of its own, in
// front of its pane, and offers the last file again; opened again, the same
// document comes to the front. The caption names the file in front.
void FileCommandsTest::eachPaneIsSavedAndOpenedByItsOwnCommands()
{
    QFETCH(bool, item);
    const QString paneName = item ? "txtEdit" : "txtnEdit";
    const QString otherPane = item ? "txtnEdit" : "txtEdit";
    MainWindow window;
    QTemporaryDir dir;
    const QString saved = dir.filePath("sword.scp");
    const QString path = dir.filePath("axe.scp");
    pane(window, paneName)->replaceScript("[ITEMDEF i_sword]\r\nNAME=sword");
    pane(window, otherPane)->replaceScript("other script");
    QString offered;
    ModalAnswers answers;
    answers.then(chooseFile(saved));
    trigger(window, item ? "mnuSaveAs" : "mnuSaveNpcAs");
    writeFile(path, "[ITEMDEF i_axe]\r\n");
    showPage(window, 2);
    QList<bool> waitCursor; // at each document opened
    connect(window.findChild<FrontDocument*>(), &FrontDocument::documentAdded, this,
            [&waitCursor] { waitCursor << (QGuiApplication::overrideCursor() != nullptr); });
    answers.then(chooseFile(path)).then(chooseFile(path, &offered));
    trigger(window, item ? "mnuOpen" : "mnuOpenNpc");
    trigger(window, item ? "mnuOpen" : "mnuOpenNpc");

    QCOMPARE(contents(saved), "[ITEMDEF i_sword]\r\nNAME=sword\r\n");
    QCOMPARE(pane(window, paneName)->script(), "[ITEMDEF i_axe]\r\n");
    QCOMPARE(pane(window, otherPane)->script(), "other script");
    QCOMPARE(offered, path);
    QCOMPARE(waitCursor, QList<bool>{true});
    QCOMPARE(paneDocuments(window, paneName)->documents().size(), 2);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(window.windowTitle(), "File : " + QDir::toNativeSeparators(path));
    QVERIFY(answeredAll(answers));
}

// Cancel ends a command, No to either question writes nothing and Save only
// points to Save As: the file, the pane and the caption stay as they were until
// the file holds the pane's text. Enter overwrites a file, but does not let
// what Windows-1252 lacks become "?".
void FileCommandsTest::nothingIsWrittenUnasked()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.scp");
    writeFile(path, "old\r\n");
    const QString wide = QString::fromUtf16(u"a\u65E5\U0001F600\u00E9");
    pane(window, "txtEdit")->replaceScript(wide);
    const auto cancel = [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); };
    ShownBox overwrite;
    ShownBox lossy;
    ShownBox cancelled;
    ShownBox saved;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::No, &overwrite));
    answers.then(chooseFile(path)).then(press(QMessageBox::Yes)).then(press(QMessageBox::No, &lossy));
    answers.then(cancel).then(cancel).then(press(QMessageBox::Ok, &cancelled));
    answers.then(press(QMessageBox::Ok, &saved));
    for (const QString command : {"mnuSaveAs", "mnuSaveAs", "mnuOpen", "mnuSaveAs", "mnuSave"})
        trigger(window, command);

    QCOMPARE(overwrite.text, "File: old.scp already exists, overwrite?");
    QCOMPARE(overwrite.defaultButton, QMessageBox::Yes);
    QVERIFY2(lossy.text.contains("2 characters") && lossy.text.contains("\"?\""), qPrintable(lossy.text));
    QCOMPARE(lossy.defaultButton, QMessageBox::No);
    QCOMPARE(cancelled.text, "Cancel was pressed");
    QCOMPARE(saved.text, "Use Save As...  Save will be finished soon.");
    QCOMPARE(contents(path), "old\r\n");
    QCOMPARE(pane(window, "txtEdit")->script(), wide);
    QCOMPARE(window.windowTitle(), "Defwright");

    answers.then(chooseFile(path)).then(press(QMessageBox::Yes)).then(press(QMessageBox::Yes));
    trigger(window, "mnuSaveAs");

    QCOMPARE(contents(path), "a??\xE9\r\n");
    QCOMPARE(window.windowTitle(), "File : " + QDir::toNativeSeparators(path));
    QVERIFY(answeredAll(answers));
}

// Opened and saved files of both panes count, newest first; one used again
// moves to the top. The list outlives the window, and an entry opens into the
// pane it came from while the file is there, named in the caption; one that
// has gone is taken off.
void FileCommandsTest::theLastEightFilesAreListedAndReopened()
{
    QTemporaryDir dir;
    useNineFiles(dir);
    MainWindow window;
    QCOMPARE(recentEntries(window), (QStringList{"&1 f3.scp", "&2 f8.scp", "&3 f7.scp (NPC script)",
                                                 "&4 f6.scp", "&5 r&&d.scp", "&6 f4.scp", "&7 f2.scp",
                                                 "&8 f1.scp", "-", "Clear List"}));
    QCOMPARE(control<QAction>(window, "mnuRecentFile(0)")->statusTip(),
             QDir::toNativeSeparators(dir.filePath("f3.scp")));

    trigger(window, "mnuRecentFile(2)");
    QCOMPARE(pane(window, "txtnEdit")->script(), "[CHARDEF c_orc]\r\n");
    QCOMPARE(window.windowTitle(), "File : " + QDir::toNativeSeparators(dir.filePath("f7.scp")));
    trigger(window, "mnuRecentFile(1)");
    QCOMPARE(pane(window, "txtEdit")->script(), "x");
    QCOMPARE(window.windowTitle(), "File : " + QDir::toNativeSeparators(dir.filePath("f3.scp")));

    QVERIFY(QFile::remove(dir.filePath("f1.scp")));
    const ShownBox shown = endingBox([&window] { trigger(window, "mnuRecentFile(7)"); });
    QCOMPARE(shown.text, "Could not open " + QDir::toNativeSeparators(dir.filePath("f1.scp"))
                             + "\n\nThe file is no longer there; it was taken off the recent files.");
    QCOMPARE(recentEntries(window).mid(6), (QStringList{"&7 f2.scp", "-", "Clear List"}));

    trigger(window, "mnuClearRecent");
    const MainWindow later;
    QCOMPARE(recentEntries(later), (QStringList{"-", "Clear List"}));
    QVERIFY(!control<QAction>(later, "mnuClearRecent")->isEnabled());
    // Kept in the test's own folder, never in the user's settings.
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QVERIFY2(QSettings().fileName().startsWith(DEFWRIGHT_TEST_SETTINGS), qPrintable(QSettings().fileName()));
}

// On Windows and macOS "Items.scp" and "items.scp" are one file, listed once;
// here, as on any file system that tells them apart, two. The names are
// compared in full Unicode, as NTFS does, and drive letters are names too.
void FileCommandsTest::namesDifferingInCaseAreOneFileWhereTheFileSystemSaysSo()
{
    const QList<std::tuple<QString, QString, bool>> pairs = {
        {"C:/Scripts/Items.scp", "c:/scripts/ITEMS.SCP", true},
        {"/srv/\u00C4rger.scp", "/srv/\u00E4rger.scp", true},
        {"/srv/items.scp", "/srv/items.scp.bak", false},
        {"/srv/a/items.scp", "/srv/b/items.scp", false},
    };
    for (const auto& [one, other, sameIgnoringCase] : pairs) {
        QCOMPARE(samePath(one, other, Qt::CaseInsensitive), sameIgnoringCase);
        QCOMPARE(samePath(one, other, Qt::CaseSensitive), false);
        QVERIFY(samePath(one, one, Qt::CaseSensitive));
    }

    QTemporaryDir dir;
    MainWindow window;
    for (const QString name : {"Items.scp", "items.scp"}) {
        writeFile(dir.filePath(name), "x");
        window.openItemScript(dir.filePath(name));
    }
    const QStringList listed = recentEntries(window);
    if (kFileNameCase == Qt::CaseInsensitive)
        QCOMPARE(listed.first(), "&1 items.scp");
    else
        QCOMPARE(listed.mid(0, 2), (QStringList{"&1 items.scp", "&2 Items.scp"}));
    QCOMPARE(listed.size(), kFileNameCase == Qt::CaseInsensitive ? 3 : 4);
}

// A checkout or another editor wrote the file after it was opened: Save asks,
// No keeping what is on disk, and once saved over, Save asks no more. A file
// gone from disk is written again unasked.
void FileCommandsTest::saveAsksBeforeWritingOverWhatChangedOnDisk()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("changed.scp");
    writeFile(path, "[ITEMDEF i_a]\r\n");
    window.openItemScript(path);
    auto* script = window.findChild<QWidget*>(QStringLiteral("txtEdit"));
    script->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(script, QStringLiteral("x"));
    writeFile(path, "[ITEMDEF i_b]\r\n");
    QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    ShownBox asked;
    ModalAnswers answers;
    answers.then(press(QMessageBox::No, &asked));
    trigger(window, "mnuSave");
    QCOMPARE(asked.text, "changed.scp changed on disk since it was opened or saved here.\n\n"
                         "Save over it? What changed on disk would be lost.");
    QCOMPARE(asked.defaultButton, QMessageBox::No);
    QCOMPARE(contents(path), "[ITEMDEF i_b]\r\n");

    answers.then(press(QMessageBox::Yes));
    trigger(window, "mnuSave");
    const QByteArray saved = contents(path);
    QVERIFY(saved != "[ITEMDEF i_b]\r\n");
    trigger(window, "mnuSave");
    QFile::remove(path);
    trigger(window, "mnuSave");
    QCOMPARE(contents(path), saved);
    QVERIFY(answeredAll(answers));
}

DEFWRIGHT_WINDOW_TEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
