#include "file_test_support.h"
#include "window_test_main.h"

// Named pipes, devices, permission bits, symbolic links, uid switching and
// file size limits are POSIX's: the cases that need them are skipped elsewhere
// (docs/windows.md lists them).
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#endif
#include <functional>

using namespace defwright;
using namespace defwright::test;

namespace {

#ifdef Q_OS_UNIX
using Save = std::function<ShownBox()>; // a command that ends in a message box

// While `save` runs, writing fails part way, as on a full disk, even for root.
ShownBox withFileSizeLimit(rlim_t bytes, const Save& save)
{
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lowered{bytes, previous.rlim_max};
    setrlimit(RLIMIT_FSIZE, &lowered);
    const ShownBox shown = save();
    setrlimit(RLIMIT_FSIZE, &previous);
    return shown;
}

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

// Save As of the item pane, answering Yes to overwrite; returns the failure's box.
ShownBox failedSaveAs(const MainWindow& window, const QString& path, bool asksOverwrite)
{
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(path));
    if (asksOverwrite)
        answers.then(press(QMessageBox::Yes));
    answers.then(press(QMessageBox::Ok, &shown));
    trigger(window, "mnuSaveAs");
    if (!answeredAll(answers))
        shown.text = "unexpected dialogs: " + answers.unexpected().join(u',');
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
    void everyByteAndLineBreakComesBack();
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
        const auto open = [&window, path = path] {
            ShownBox box;
            ModalAnswers answers;
            answers.then(press(QMessageBox::Ok, &box));
            window.openItemScript(path);
            if (!answeredAll(answers))
                box.text = "unexpected dialogs: " + answers.unexpected().join(u',');
            return box;
        };
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

    const QList<std::pair<QString, ShownBox>> failures = {
        {old, withFileSizeLimit(1024, [&] { return failedSaveAs(window, old, true); })},
        {old, asNobody([&] { return failedSaveAs(window, old, true); })},
        {pipe, failedSaveAs(window, pipe, false)},
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

// Every byte comes back as it was, line breaks of every kind and a missing
// last one among them; the pane shows them as the file has them. A name
// typed without an extension is kept.
void FileSafetyTest::everyByteAndLineBreakComesBack()
{
    QByteArray everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte.append(static_cast<char>(byte));
    // A file and the script it shows (unless null). A no-break space (0xA0)
    // stays one, which QTextDocument::toPlainText() would break.
    const QList<std::pair<QByteArray, QString>> cases = {
        {"", ""},
        {"a\r\nb\nc\r\rd\n", "a\r\nb\nc\r\rd\n"},
        {everyByte, QString()},
    };
    for (const auto& [file, script] : cases) {
        MainWindow window;
        QTemporaryDir dir;
        const QString original = dir.filePath("original.scp");
        writeFile(original, file);
        ModalAnswers answers;
        answers.then(chooseFile(original)).then(chooseFile(dir.filePath("plain")));
        trigger(window, "mnuOpen");
        if (!script.isNull())
            QCOMPARE(pane(window, "txtEdit")->script(), script);
        trigger(window, "mnuSaveAs");
        QCOMPARE(contents(dir.filePath("plain")), file);
        QCOMPARE(entries(dir.path()), (QStringList{"original.scp", "plain"}));
        QVERIFY(answeredAll(answers));
    }
}

DEFWRIGHT_WINDOW_TEST_MAIN(FileSafetyTest)
#include "file_safety_test.moc"
