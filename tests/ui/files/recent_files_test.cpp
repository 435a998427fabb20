#include "file_test_support.h"

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

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { trigger(MainWindow(), "mnuClearRecent"); }
    void theLastEightFilesAreListedAndReopened();
};

// Opened and saved files of both panes count, newest first; one used again
// moves to the top. The list outlives the window, and an entry opens into the
// pane it came from while the file is there; one that has gone is taken off.
void RecentFilesTest::theLastEightFilesAreListedAndReopened()
{
    QTemporaryDir dir;
    useNineFiles(dir);
    MainWindow window;
    QCOMPARE(recentEntries(window), (QStringList{"&1 f3.scp", "&2 f8.scp", "&3 f7.scp (NPC script)",
                                                 "&4 f6.scp", "&5 r&&d.scp", "&6 f4.scp", "&7 f2.scp",
                                                 "&8 f1.scp", "-", "Clear List"}));
    QCOMPARE(control<QAction>(window, "mnuRecentFile(0)")->statusTip(), dir.filePath("f3.scp"));

    trigger(window, "mnuRecentFile(2)");
    QCOMPARE(pane(window, "txtnEdit")->script(), "[CHARDEF c_orc]\r\n");
    QCOMPARE(window.windowTitle(), "Defwright");
    trigger(window, "mnuRecentFile(1)");
    QCOMPARE(pane(window, "txtEdit")->script(), "x");
    QCOMPARE(window.windowTitle(), "File : " + dir.filePath("f3.scp"));

    QVERIFY(QFile::remove(dir.filePath("f1.scp")));
    ShownBox shown;
    ModalAnswers answers;
    answers.then(press(QMessageBox::Ok, &shown));
    trigger(window, "mnuRecentFile(7)");
    QCOMPARE(shown.text, "Could not open " + dir.filePath("f1.scp")
                             + "\n\nThe file is no longer there; it was taken off the recent files.");
    QCOMPARE(recentEntries(window).mid(6), (QStringList{"&7 f2.scp", "-", "Clear List"}));

    trigger(window, "mnuClearRecent");
    const MainWindow later;
    QCOMPARE(recentEntries(later), (QStringList{"-", "Clear List"}));
    QVERIFY(!control<QAction>(later, "mnuClearRecent")->isEnabled());
}

QTEST_MAIN(RecentFilesTest)
#include "recent_files_test.moc"
