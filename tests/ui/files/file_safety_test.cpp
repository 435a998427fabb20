#include "file_size_limit.h"
#include "file_test_support.h"
#include "window_test_main.h"

// Named pipes, devices, permission bits, symbolic links, uid switching and
// file size limits are POSIX's: the cases that need them are skipped elsewhere
// (docs/windows.md lists them).
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#include <functional>

using namespace defwright;
using namespace defwright::test;

namespace {

using Save = std::function<ShownBox()>; // a command that ends in a message box

#ifdef Q_OS_UNIX
// Root writes into any folder whatever its permission bits, so root runs
// `save` as the user "nobody" (the group first, or root's group bits apply).
ShownBox asNobody(const Save& save)
{
    constexpr uid_t kNobody = 65534;
    const bool root = geteuid() == 0;
    if (root && (setegid(kNobody) != 0 || seteuid(kNobody) != 0))
        qFatal("cannot take on the user nobody");
    const ShownBox shown = save();
    if (root && (seteuid(0) != 0 || setegid(0) != 0))
        qFatal("cannot become root again");
    return shown;
}
#endif

} // namespace

class FileSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void openRefusesWhatIsNotAnOrdinaryFile();
    void failedSaveSaysWhyAndKeepsTheOldFile();
    void saveAsReplacesTheFileBehindALinkWhole();
};

// A pipe or /dev/zero read as a file would stop the window for ever; a /proc
// file says it holds nothing and holds terabytes. Each is refused, with the
// system's own reason where it is the system that refuses, and the pane and
// the caption stay as they were.
void FileSafetyTest::openRefusesWhatIsNotAnOrdinaryFile()
{
    QTemporaryDir dir;
    QFile huge(dir.filePath("huge.scp"));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64{64} * 1024 * 1024 + 1));
    const QString tooLarge = "It is larger than 64 MiB, too large for the script pane.";
    QList<std::pair<QString, QString>> refused = {
        {dir.filePath("missing.scp"), "There is no such file."},
        {dir.path(), "It is a folder, not a file."},
        {huge.fileName(), tooLarge},
    };
#ifdef Q_OS_UNIX
    // POSIX only: a named pipe, /dev/zero, a /proc file that says it is empty,
    // a loop of links and a file in a folder the user may not enter.
    const QString pipe = dir.filePath("pipe.scp");
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
    QVERIFY(QFile::link(dir.filePath("loop.scp"), dir.filePath("loop2.scp")));
    QVERIFY(QFile::link(dir.filePath("loop2.scp"), dir.filePath("loop.scp")));
    QVERIFY(QDir(dir.path()).mkdir("locked"));
    writeFile(dir.filePath("locked/inside.scp"), "x");
    QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7755)));
    QVERIFY(QFile::setPermissions(dir.filePath("locked"), {}));
    const QString notAFile = "It is not an ordinary file but a named pipe, a socket or a device.";
    refused += {{pipe, notAFile},
                {"/dev/zero", notAFile},
                {"/proc/self/pagemap", tooLarge},
                {dir.filePath("loop.scp"), "Too many levels of symbolic links"},
                {dir.filePath("locked/inside.scp"), "Permission denied"}};
#endif
    MainWindow window;
    pane(window, "txtEdit")->replaceScript("kept");
    for (const auto& [path, reason] : refused) {
        const Save open = [&window, path = path] { return endingBox([&] { window.openItemScript(path); }); };
#ifdef Q_OS_UNIX
        // Root enters any folder, so the locked one is tried as another user.
        const ShownBox shown = path.contains("/locked/") ? asNobody(open) : open();
#else
        const ShownBox shown = open();
#endif
        QCOMPARE(shown.text, QStringLiteral("Could not open %1\n\n%2").arg(QDir::toNativeSeparators(path), reason));
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QVERIFY(!shown.underWaitCursor);
    }
#ifdef Q_OS_UNIX
    QVERIFY(QFile::setPermissions(dir.filePath("locked"), QFile::Permissions(0x7700)));
#endif
    QCOMPARE(pane(window, "txtEdit")->script(), "kept");
    QCOMPARE(window.windowTitle(), "Defwright");
}

// A write cut short (as on a full disk), a folder that refuses new files and a
// pipe in the way: each says why, and leaves what was there as it was and no
// stray file beside it.
void FileSafetyTest::failedSaveSaysWhyAndKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("POSIX only: file size limit, permission bits, uid switching, named pipe");
#else
    MainWindow window;
    QTemporaryDir dir;
    const QString old = dir.filePath("old.scp");
    writeFile(old, "old\r\n");
    const QString pipe = dir.filePath("pipe.scp");
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
    // Anyone may write the file, but nobody may add one beside it.
    QVERIFY(QFile::setPermissions(old, QFile::Permissions(0x6666)));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x5555)));
    pane(window, "txtEdit")->replaceScript(QString(4096, u'x'));

    // Save As of the item pane, choosing the file and answering Yes to overwrite where asked.
    const auto saveAs = [&window](const QList<ModalAnswers::Answer>& answers) -> Save {
        return [&window, answers] { return endingBox([&window] { trigger(window, "mnuSaveAs"); }, answers); };
    };
    const Save overwriteOld = saveAs({chooseFile(old), press(QMessageBox::Yes)});
    const QList<std::pair<QString, ShownBox>> failures = {
        {old, withFileSizeLimit(1024, overwriteOld)},
        {old, asNobody(overwriteOld)},
        {pipe, saveAs({chooseFile(pipe)})()},
    };
    QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7777)));

    for (const auto& [path, shown] : failures) {
        const QString heading = QStringLiteral("Could not save %1\n\n").arg(QDir::toNativeSeparators(path));
        QVERIFY2(shown.text.startsWith(heading), qPrintable(shown.text));
        QVERIFY2(shown.text.size() > heading.size(), "no reason given");
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QVERIFY(!shown.underWaitCursor);
    }
    QVERIFY2(failures[1].second.text.contains("ermission"), qPrintable(failures[1].second.text));
    QCOMPARE(contents(old), "old\r\n");
    QCOMPARE(entries(dir.path()), (QStringList{"old.scp", "pipe.scp"}));
    QCOMPARE(window.windowTitle(), "Defwright");
#endif
}

// Saving onto a link writes the file it points to, which keeps its permission
// bits. Another program rewrites that file while the overwrite question is up:
// the new file takes its place whole, so a reader that had it open reads that
// program's text to its end, never a mixture.
void FileSafetyTest::saveAsReplacesTheFileBehindALinkWhole()
{
#ifndef Q_OS_UNIX
    QSKIP("POSIX only: QFile::link makes a shortcut on Windows, not a symbolic link; permission bits");
#else
    MainWindow window;
    QTemporaryDir dir;
    const QString target = dir.filePath("target.scp");
    const QString link = dir.filePath("link.scp");
    writeFile(target, "old\r\n");
    QVERIFY(QFile::link(target, link));
    const QFile::Permissions bits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                                    | QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(target, bits));
    QFile reader(target);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    pane(window, "txtEdit")->replaceScript("new");
    ModalAnswers answers;
    answers.then(chooseFile(link)).then([&target](QWidget* box) {
        writeFile(target, "changed meanwhile by another program\r\n");
        press(QMessageBox::Yes)(box);
    });

    trigger(window, "mnuSaveAs");

    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QCOMPARE(contents(target), "new\r\n");
    QCOMPARE(QFile::permissions(target), bits);
    QCOMPARE(reader.readAll(), "changed meanwhile by another program\r\n");
    QCOMPARE(entries(dir.path()), (QStringList{"link.scp", "target.scp"}));
    QVERIFY(answeredAll(answers));
#endif
}

DEFWRIGHT_WINDOW_TEST_MAIN(FileSafetyTest)
#include "file_safety_test.moc"
