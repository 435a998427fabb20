#include "../files/file_test_support.h"
#include "ui/documents/bounded_file_read.h"
#include "ui/documents/staged_files.h"
#include "window_test_main.h"

#include <QDeadlineTimer>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <climits>
#include <cstdio>
#include <sys/inotify.h>
#endif

using namespace defwright;
using namespace defwright::test;
using Outcome = BoundedFileRead::Outcome;

namespace {

constexpr qint64 kLimit = 1024 * 1024;

#ifdef Q_OS_LINUX
// Bytes this process has read so far, as the kernel counts them; reading the
// count itself adds a few hundred.
qint64 bytesReadSoFar()
{
    QFile io("/proc/self/io");
    if (!io.open(QIODevice::ReadOnly))
        qFatal("cannot read /proc/self/io");
    const QByteArray counts = io.readAll();
    const qsizetype start = counts.indexOf("rchar: ") + 7;
    return counts.mid(start, counts.indexOf('\n', start) - start).toLongLong();
}

constexpr qint64 kCountingSlack = 64 * 1024;
#endif

} // namespace

class FileAccessTest : public QObject {
    Q_OBJECT

private slots:
    void theLimitCountsWhatIsRead();
    void aPipeInTheFilesPlaceNeverHoldsTheRead();
    void aFileGrowingWhileReadNeverGivesMoreThanTheLimit();
    void aFileThatCannotBePutInPlaceTakesBackThoseBefore();
};

// At the limit a file is read; one byte over, refused. Files that say they
// hold nothing are read all the same, to the limit and no further.
void FileAccessTest::theLimitCountsWhatIsRead()
{
    QTemporaryDir dir;
    writeFile(dir.filePath("at"), QByteArray(kLimit, 'x'));
    writeFile(dir.filePath("over"), QByteArray(kLimit + 1, 'x'));
    const BoundedFileRead at = BoundedFileRead::of(dir.filePath("at"), kLimit);
    QCOMPARE(at.outcome, Outcome::Read);
    QCOMPARE(at.bytes, QByteArray(kLimit, 'x'));
    QCOMPARE(BoundedFileRead::of(dir.filePath("over"), kLimit).outcome, Outcome::TooLarge);
#ifdef Q_OS_LINUX
    QCOMPARE(QFileInfo("/proc/self/status").size(), 0);
    const BoundedFileRead status = BoundedFileRead::of("/proc/self/status", kLimit);
    QCOMPARE(status.outcome, Outcome::Read);
    QVERIFY(status.bytes.startsWith("Name:"));
    // Eight bytes for every page of the address space: terabytes.
    const qint64 before = bytesReadSoFar();
    QCOMPARE(BoundedFileRead::of("/proc/self/pagemap", kLimit).outcome, Outcome::TooLarge);
    QCOMPARE_LE(bytesReadSoFar() - before, kLimit + 1 + kCountingSlack);
#endif
}

// A named pipe that nobody writes to would hold a plain open() for ever, and
// one can take the file's place between any two steps of Open: here a pipe and
// the file swap places over and over while the file is read. Each read gives
// the file or refuses the pipe; one that waits is let go by a writer.
void FileAccessTest::aPipeInTheFilesPlaceNeverHoldsTheRead()
{
#ifdef Q_OS_LINUX
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("script.scp"));
    const QByteArray spare = QFile::encodeName(dir.filePath("spare"));
    writeFile(QFile::decodeName(path), QByteArray(10, 'x'));
    QVERIFY(mkfifo(spare.constData(), 0644) == 0);
    const auto swap = [&] { return renameat2(AT_FDCWD, path.constData(), AT_FDCWD, spare.constData(), RENAME_EXCHANGE); };
    std::atomic<bool> stop = false;
    std::thread swapper([&] {
        while (!stop)
            swap();
    });
    // The gap between two steps is a microsecond or so: many reads to hit it.
    auto reads = std::async(std::launch::async, [&path] {
        const QDeadlineTimer enough(3000);
        while (!enough.hasExpired()) {
            const BoundedFileRead read = BoundedFileRead::of(QFile::decodeName(path), kLimit);
            if (read.outcome != Outcome::NotAFile && read.bytes != QByteArray(10, 'x'))
                return false;
        }
        return true;
    });
    const bool waited = reads.wait_for(std::chrono::seconds(20)) != std::future_status::ready;
    stop = true;
    swapper.join();
    if (waited) {
        struct stat status {};
        if (::stat(path.constData(), &status) == 0 && S_ISFIFO(status.st_mode))
            swap();
        const int writer = ::open(spare.constData(), O_WRONLY | O_NONBLOCK);
        reads.wait();
        ::close(writer);
        QFAIL("a pipe held the read");
    }
    QVERIFY(reads.get());
#else
    QSKIP("swaps two names at once with renameat2");
#endif
}

// Another program makes the file larger once reading has begun, far past the
// limit. However the two interleave, the read gives the file as it was at some
// moment, within the limit, or refuses it, having read one byte past the limit
// at most.
void FileAccessTest::aFileGrowingWhileReadNeverGivesMoreThanTheLimit()
{
#ifdef Q_OS_LINUX
    constexpr qint64 kLarger = 16 * kLimit;
    QTemporaryDir dir;
    QFile file(dir.filePath("growing.scp"));
    QVERIFY(file.open(QIODevice::ReadWrite) && file.resize(kLarger));
    const int watch = inotify_init1(IN_CLOEXEC);
    QVERIFY(inotify_add_watch(watch, QFile::encodeName(file.fileName()).constData(), IN_ACCESS) >= 0);
    std::thread grower([watch, &file] {
        alignas(inotify_event) char event[sizeof(inotify_event) + NAME_MAX + 1];
        if (::read(watch, event, sizeof event) > 0)
            (void)::ftruncate(file.handle(), 4 * kLarger);
    });
    const qint64 before = bytesReadSoFar();
    const BoundedFileRead read = BoundedFileRead::of(file.fileName(), kLarger);
    const qint64 readNow = bytesReadSoFar() - before;
    file.read(1); // lets the grower go if the read never read
    grower.join();
    ::close(watch);
    QVERIFY2(read.outcome == Outcome::TooLarge || (read.outcome == Outcome::Read && read.bytes.size() <= kLarger),
             qPrintable(QString::number(read.bytes.size())));
    QCOMPARE_LE(readNow, kLarger + 1 + kCountingSlack);
#else
    QSKIP("watches the file's reads through inotify");
#endif
}

// The second file cannot take its place (a folder stands there now): the
// first, put in place already, gets its old bytes back. Put in place, a file
// behind a link is written and the link kept, with the file's permissions.
void FileAccessTest::aFileThatCannotBePutInPlaceTakesBackThoseBefore()
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

DEFWRIGHT_WINDOW_TEST_MAIN(FileAccessTest)
#include "file_access_test.moc"
