#include "file_test_support.h"

#include <QMenu>

using namespace defwright;
using namespace defwright::test;

namespace {

QMenu* recentMenu(const MainWindow& window)
{
    return window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
}

// The menu's entries that show, "-" for the separator.
QStringList recentEntries(const MainWindow& window)
{
    QStringList shown;
    for (const QAction* action : recentMenu(window)->actions()) {
        if (action->isVisible())
            shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return shown;
}

void chooseRecent(const MainWindow& window, int index)
{
    window.findChild<QAction*>(QStringLiteral("mnuRecentFile(%1)").arg(index))->trigger();
}

} // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }
    void theLastEightFilesAreListedNewestFirst();
    void anEntryOpensIntoItsOwnPane();
    void aFileThatHasGoneIsTakenOffTheList();

private:
    std::unique_ptr<TemporarySettings> settings_;
};

// Opened and saved files of both panes count; one opened again moves to the
// top instead of showing twice. The list outlives the window.
void RecentFilesTest::theLastEightFilesAreListedNewestFirst()
{
    QTemporaryDir dir;
    {
        MainWindow window;
        QCOMPARE(recentEntries(window), (QStringList{QStringLiteral("-"), QStringLiteral("Clear List")}));
        QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuClearRecent"))->isEnabled());
        for (const char* name : {"f0.scp", "f1.scp", "f2.scp", "f3.scp", "f4.scp", "r&d.scp", "f6.scp"}) {
            writeFile(dir.filePath(QString::fromLatin1(name)), "x");
            window.openItemScript(dir.filePath(QString::fromLatin1(name)));
        }
        ModalAnswers answers;
        answers.then(chooseFile(dir.filePath(QStringLiteral("f7.scp"))));
        answers.then(chooseFile(dir.filePath(QStringLiteral("f8.scp"))));
        trigger(window, QStringLiteral("mnuSaveNpcAs"));
        trigger(window, QStringLiteral("mnuSaveAs"));
        window.openItemScript(dir.filePath(QStringLiteral("f3.scp")));
        QVERIFY(answeredAll(answers));
    }
    MainWindow window;
    QCOMPARE(recentEntries(window), (QStringList{
                                        QStringLiteral("&1 f3.scp"),
                                        QStringLiteral("&2 f8.scp"),
                                        QStringLiteral("&3 f7.scp (NPC script)"),
                                        QStringLiteral("&4 f6.scp"),
                                        QStringLiteral("&5 r&&d.scp"),
                                        QStringLiteral("&6 f4.scp"),
                                        QStringLiteral("&7 f2.scp"),
                                        QStringLiteral("&8 f1.scp"),
                                        QStringLiteral("-"),
                                        QStringLiteral("Clear List"),
                                    }));
    QCOMPARE(recentMenu(window)->actions().constFirst()->statusTip(), dir.filePath(QStringLiteral("f3.scp")));

    trigger(window, QStringLiteral("mnuClearRecent"));

    QCOMPARE(recentEntries(MainWindow()), (QStringList{QStringLiteral("-"), QStringLiteral("Clear List")}));
}

// An NPC script comes back into the NPC pane and leaves the caption alone.
void RecentFilesTest::anEntryOpensIntoItsOwnPane()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString item = dir.filePath(QStringLiteral("sword.scp"));
    const QString npc = dir.filePath(QStringLiteral("orc.scp"));
    writeFile(item, "[ITEMDEF i_sword]");
    pane(window, "txtnEdit")->replaceScript(QStringLiteral("[CHARDEF c_orc]"));
    ModalAnswers answers;
    answers.then(chooseFile(npc));
    trigger(window, QStringLiteral("mnuSaveNpcAs"));
    window.openItemScript(item);
    pane(window, "txtEdit")->replaceScript({});
    pane(window, "txtnEdit")->replaceScript({});
    window.setWindowTitle(QStringLiteral("Defwright"));

    chooseRecent(window, 1);
    QCOMPARE(pane(window, "txtnEdit")->script(), QStringLiteral("[CHARDEF c_orc]\r\n"));
    QCOMPARE(pane(window, "txtEdit")->script(), QString());
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));

    chooseRecent(window, 1);
    QCOMPARE(pane(window, "txtEdit")->script(), QStringLiteral("[ITEMDEF i_sword]"));
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + item);
    QVERIFY(answeredAll(answers));
}

void RecentFilesTest::aFileThatHasGoneIsTakenOffTheList()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString gone = dir.filePath(QStringLiteral("gone.scp"));
    const QString kept = dir.filePath(QStringLiteral("kept.scp"));
    writeFile(gone, "gone");
    writeFile(kept, "kept");
    window.openItemScript(gone);
    window.openItemScript(kept);
    QVERIFY(QFile::remove(gone));
    ShownBox shown;
    ModalAnswers answers;
    answers.then(press(QMessageBox::Ok, &shown));

    chooseRecent(window, 1);

    QCOMPARE(shown.text, QStringLiteral("Could not open %1\n\nThe file is no longer there; it was taken off the "
                                        "recent files.").arg(gone));
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QCOMPARE(pane(window, "txtEdit")->script(), QStringLiteral("kept"));
    QCOMPARE(recentEntries(window),
             (QStringList{QStringLiteral("&1 kept.scp"), QStringLiteral("-"), QStringLiteral("Clear List")}));
    QVERIFY(answeredAll(answers));
}

QTEST_MAIN(RecentFilesTest)
#include "recent_files_test.moc"
