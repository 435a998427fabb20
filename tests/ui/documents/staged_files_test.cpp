#include "../files/file_test_support.h"
#include "ui/documents/staged_files.h"
#include "window_test_main.h"

using namespace defwright;
using namespace defwright::test;

class StagedFilesTest : public QObject {
    Q_OBJECT

private slots:
    void aFileThatCannotBePutInPlaceTakesBackThoseBefore();
};

// The second file cannot take its place (a folder stands there now): the
// first, put in place already, gets its old bytes back. Put in place, a file
// behind a link is written and the link kept, with the file's permissions.
void StagedFilesTest::aFileThatCannotBePutInPlaceTakesBackThoseBefore()
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.scp");
    const QString second = dir.filePath("second.scp");
    writeFile(first, "first old\r\n");
    writeFile(second, "second old\n");
    {
        StagedFiles staged;
        QVERIFY(staged.stage(first, "first new\r\n", "first old\r\n").isEmpty());
        QVERIFY(staged.stage(second, "second new\n", "second old\n").isEmpty());
        QVERIFY(QFile::remove(second) && QDir().mkpath(second + "/inside"));
        const QString error = staged.commit();
        QVERIFY2(error.startsWith("Could not write " + QDir::toNativeSeparators(second) + ": "), qPrintable(error));
        QCOMPARE(contents(first), "first old\r\n");
    }
    QCOMPARE(entries(dir.path()), (QStringList{"first.scp", "second.scp"}));
#ifdef Q_OS_UNIX
    const QString link = dir.filePath("link.scp");
    QVERIFY(QFile::link(first, link));
    const QFile::Permissions bits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser
                                    | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(first, bits));
    StagedFiles staged;
    QVERIFY(staged.stage(link, "through the link\n", "first old\r\n").isEmpty());
    QVERIFY(staged.commit().isEmpty());
    QCOMPARE(QFileInfo(link).symLinkTarget(), first);
    QCOMPARE(contents(first), "through the link\n");
    QCOMPARE(QFile::permissions(first), bits);
    QCOMPARE(entries(dir.path()), (QStringList{"first.scp", "link.scp", "second.scp"}));
#endif
}

DEFWRIGHT_WINDOW_TEST_MAIN(StagedFilesTest)
#include "staged_files_test.moc"
