#include "table_test_support.h"

#include <QClipboard>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace defwright;
using namespace defwright::test;

class TableFailuresTest : public QObject {
    Q_OBJECT

private slots:
    void anUnwritableFileChangesNothing();
    void aFailedWritePutsBackTheFilesWrittenBefore();
};

// A file of the action that is a folder now: neither it nor the other file
// changes, and the bar says why. Pasting writes at once, before the index can
// hear that the file has gone.
void TableFailuresTest::anUnwritableFileChangesNothing()
{
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    const QByteArray gargish = contents(folder.gargish());
    selectCells(*table, {"i_gargish_stone_arms", "i_deed2"}, "VALUE");
    QVERIFY(QFile::remove(folder.deed()));
    QVERIFY(QDir().mkdir(folder.deed()));
    QApplication::clipboard()->setText("9");
    QTest::keyClick(tableView(*table), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(contents(folder.gargish()), gargish);
    QVERIFY(QFileInfo(folder.deed()).isDir());
    QVERIFY2(tableStatus(*table).contains("failed: Could not read ")
                 && tableStatus(*table).endsWith("deed.scp: It is a folder, not a file."),
             qPrintable(tableStatus(*table)));
    QCOMPARE(control<QAction>(*table, "mnuTableUndo")->isEnabled(), false);
}

// The first file is written, the second is cut short by the size a process
// may write: the first gets its bytes back.
void TableFailuresTest::aFailedWritePutsBackTheFilesWrittenBefore()
{
#ifndef Q_OS_UNIX
    QSKIP("POSIX only: file size limit");
#else
    TableFolder folder;
    useFolder(folder);
    MainWindow window;
    TableWindow* table = openTable(window);
    QVERIFY(table);
    const QByteArray gargish = contents(folder.gargish());
    const QByteArray magery = contents(folder.magery());
    QVERIFY(gargish.size() < magery.size());
    selectCells(*table, {"i_gargish_stone_arms", "i_scroll_x_blue"}, "WEIGHT");
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{static_cast<rlim_t>(gargish.size() + 100), previous.rlim_max};
    QApplication::clipboard()->setText("4");
    setrlimit(RLIMIT_FSIZE, &lowered);
    QTest::keyClick(tableView(*table), Qt::Key_V, Qt::ControlModifier);
    setrlimit(RLIMIT_FSIZE, &previous);
    QCOMPARE(contents(folder.gargish()), gargish);
    QCOMPARE(contents(folder.magery()), magery);
    QCOMPARE(entries(QFileInfo(folder.gargish()).path()), (QStringList{"deed.scp", "gargish.scp", "magery.scp", "misc.scp"}));
    QVERIFY2(tableStatus(*table).contains("failed: Could not write ") && tableStatus(*table).contains("magery.scp: "),
             qPrintable(tableStatus(*table)));
    QCOMPARE(cell(*table, rowOf(*table, "i_gargish_stone_arms"), "WEIGHT"), "10.0");
#endif
}

DEFWRIGHT_WINDOW_TEST_MAIN(TableFailuresTest)
#include "table_failures_test.moc"
