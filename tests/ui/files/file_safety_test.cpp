#include "file_test_support.h"
#include "write_refusals.h"

#include <QDir>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using namespace defwright;
using namespace defwright::test;

namespace {

void makeSocket(const QString& path)
{
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min<std::size_t>(name.size(), sizeof address.sun_path - 1));
    QVERIFY(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
    close(fd);
}

QStringList entries(const QString& dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

// Save As of the item pane to the path, answering Yes if asked to overwrite;
// returns the failure's message box.
ShownBox failedSaveAs(const MainWindow& window, const QString& path, bool asksOverwrite)
{
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(path));
    if (asksOverwrite)
        answers.then(press(QMessageBox::Yes));
    answers.then(press(QMessageBox::Ok, &shown));
    trigger(window, QStringLiteral("mnuSaveAs"));
    if (!answeredAll(answers))
        shown.text = QStringLiteral("unexpected dialogs: ") + answers.unexpected().join(u',');
    return shown;
}

} // namespace

class FileSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }
    void openRefusesWhatIsNotAnOrdinaryFile();
    void failedSaveSaysWhyAndKeepsTheOldFile();
    void saveAsKeepsTheLinkAndThePermissions();
    void aFileChangedBeforeTheWriteIsReplacedWhole();
    void lineBreaksAreKeptOrBecomeCrLf_data();
    void lineBreaksAreKeptOrBecomeCrLf();

private:
    std::unique_ptr<TemporarySettings> settings_;
};

// A pipe or /dev/zero read as a file would stop the window for ever; each is
// refused before any read. Nothing changes, not even the recent files.
void FileSafetyTest::openRefusesWhatIsNotAnOrdinaryFile()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.scp"));
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
    const QString socketPath = dir.filePath(QStringLiteral("socket.scp"));
    makeSocket(socketPath);
    const QString huge = dir.filePath(QStringLiteral("huge.scp"));
    QFile sparse(huge);
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64{64} * 1024 * 1024 + 1));
    sparse.close();
    const QString notAFile = QStringLiteral("It is not an ordinary file but a named pipe, a socket or a device.");
    const QList<std::pair<QString, QString>> refused = {
        {dir.filePath(QStringLiteral("missing.scp")), QStringLiteral("There is no such file.")},
        {dir.path(), QStringLiteral("It is a folder, not a file.")},
        {pipe, notAFile},
        {socketPath, notAFile},
        {QStringLiteral("/dev/zero"), notAFile},
        {huge, QStringLiteral("It is larger than 64 MiB, too large for the script pane.")},
    };
    for (const auto& [path, reason] : refused) {
        MainWindow window;
        pane(window, "txtEdit")->replaceScript(QStringLiteral("kept"));
        ShownBox shown;
        ModalAnswers answers;
        answers.then(press(QMessageBox::Ok, &shown));
        window.openItemScript(path);
        QCOMPARE(shown.text, QStringLiteral("Could not open %1\n\n%2").arg(path, reason));
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QVERIFY(!shown.underWaitCursor);
        QCOMPARE(pane(window, "txtEdit")->script(), QStringLiteral("kept"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
        QVERIFY(answeredAll(answers));
    }
    // Chosen in the dialog, for the NPC pane, the pipe is refused just the same.
    MainWindow window;
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(pipe)).then(press(QMessageBox::Ok, &shown));
    trigger(window, QStringLiteral("mnuOpenNpc"));
    QVERIFY2(shown.text.endsWith(notAFile), qPrintable(shown.text));
    QVERIFY(answeredAll(answers));
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("mnuRecentFile(0)"))->isVisible());
}

// A write cut short (as on a full disk), a folder that refuses new files, a
// path that cannot be made and a pipe in the way: each says why,
// leaves what was there as it was and no stray file beside it.
void FileSafetyTest::failedSaveSaysWhyAndKeepsTheOldFile()
{
    MainWindow window;
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::Permissions(0x7555)));
    const QString old = dir.filePath(QStringLiteral("old.scp"));
    writeFile(old, "old\r\n");
    const QString locked = dir.filePath(QStringLiteral("locked"));
    const QString lockedOld = locked + QStringLiteral("/old.scp");
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
    writeFile(lockedOld, "locked\r\n");
    QVERIFY(QFile::setPermissions(lockedOld, QFile::Permissions(0x6666)));
    QVERIFY(QFile::setPermissions(locked, QFile::Permissions(0x5555)));
    const QString pipe = dir.filePath(QStringLiteral("pipe.scp"));
    QVERIFY(mkfifo(QFile::encodeName(pipe).constData(), 0644) == 0);
    pane(window, "txtEdit")->replaceScript(QString(4096, u'x'));

    QList<std::pair<QString, ShownBox>> failures;
    {
        const FileSizeLimit limit(1024);
        failures.append({old, failedSaveAs(window, old, true)});
    }
    {
        const AsNobody nobody;
        if (!nobody.effective())
            QSKIP("running as root, and the user nobody cannot be taken on to test a folder without write permission");
        failures.append({lockedOld, failedSaveAs(window, lockedOld, true)});
    }
    failures.append({old + QStringLiteral("/new.scp"), failedSaveAs(window, old + QStringLiteral("/new.scp"), false)});
    failures.append({pipe, failedSaveAs(window, pipe, false)});
    QVERIFY(QFile::setPermissions(locked, QFile::Permissions(0x7777)));

    for (const auto& [path, shown] : failures) {
        QVERIFY2(shown.text.startsWith(QStringLiteral("Could not save %1\n\n").arg(path)), qPrintable(shown.text));
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QVERIFY(!shown.underWaitCursor);
    }
    QVERIFY2(failures[1].second.text.contains(QStringLiteral("ermission")), qPrintable(failures[1].second.text));
    QCOMPARE(contents(old), QByteArray("old\r\n"));
    QCOMPARE(contents(lockedOld), QByteArray("locked\r\n"));
    QCOMPARE(entries(dir.path()), (QStringList{QStringLiteral("locked"), QStringLiteral("old.scp"), QStringLiteral("pipe.scp")}));
    QCOMPARE(entries(locked), QStringList{QStringLiteral("old.scp")});
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
}

// Saving onto a link writes the file it points to, so the link goes on
// pointing there; the file keeps who may read, write and run it.
void FileSafetyTest::saveAsKeepsTheLinkAndThePermissions()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("target.scp"));
    const QString link = dir.filePath(QStringLiteral("link.scp"));
    const QString runnable = dir.filePath(QStringLiteral("runnable.scp"));
    writeFile(target, "old\r\n");
    writeFile(runnable, "old\r\n");
    QVERIFY(QFile::link(target, link));
    const auto ownerReadWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    const QFile::Permissions targetBits = ownerReadWrite | QFile::ReadGroup;
    const QFile::Permissions runnableBits = ownerReadWrite | QFile::ExeOwner | QFile::ExeUser | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(target, targetBits));
    QVERIFY(QFile::setPermissions(runnable, runnableBits));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("new"));
    ShownBox overwrite;
    ModalAnswers answers;
    answers.then(chooseFile(link)).then(press(QMessageBox::Yes, &overwrite));
    answers.then(chooseFile(runnable)).then(press(QMessageBox::Yes));

    trigger(window, QStringLiteral("mnuSaveAs"));
    trigger(window, QStringLiteral("mnuSaveAs"));

    QCOMPARE(overwrite.text, QStringLiteral("File: link.scp already exists, overwrite?"));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(QFileInfo(link).symLinkTarget(), target);
    QCOMPARE(contents(target), QByteArray("new\r\n"));
    QCOMPARE(contents(runnable), QByteArray("new\r\n"));
    QCOMPARE(QFile::permissions(target), targetBits);
    QCOMPARE(QFile::permissions(runnable), runnableBits);
    QCOMPARE(entries(dir.path()).size(), 3);
    QVERIFY(answeredAll(answers));
}

// Another program rewrites the file while the overwrite question is up. The
// new file takes the old one's place whole: a reader that had the old one open
// reads that program's text to its end, never a mixture.
void FileSafetyTest::aFileChangedBeforeTheWriteIsReplacedWhole()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.scp"));
    writeFile(path, "old\r\n");
    QFile reader(path);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("new"));
    ModalAnswers answers;
    answers.then(chooseFile(path)).then([&path](QWidget* box) {
        writeFile(path, "changed meanwhile by another program\r\n");
        press(QMessageBox::Yes)(box);
    });

    trigger(window, QStringLiteral("mnuSaveAs"));

    QCOMPARE(contents(path), QByteArray("new\r\n"));
    QCOMPARE(reader.readAll(), QByteArray("changed meanwhile by another program\r\n"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("old.scp")});
    QVERIFY(answeredAll(answers));
}

void FileSafetyTest::lineBreaksAreKeptOrBecomeCrLf_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QByteArray>("saved");
    QTest::addColumn<QString>("mustHold");
    QByteArray everyOtherByte;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            everyOtherByte.append(static_cast<char>(byte));
    }
    QTest::newRow("empty") << QByteArray() << QString() << QByteArray("\r\n") << QString();
    QTest::newRow("CR LF, no final break") << QByteArray("a\r\nb") << "a\r\nb" << QByteArray("a\r\nb\r\n") << QString();
    QTest::newRow("CR LF and a final one") << QByteArray("a\r\n") << "a\r\n" << QByteArray("a\r\n\r\n") << QString();
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << "a\r\nb\r\n" << QByteArray("a\r\nb\r\n\r\n") << QString();
    QTest::newRow("lone CR") << QByteArray("a\rb") << "a\r\nb" << QByteArray("a\r\nb\r\n") << QString();
    QTest::newRow("mixed") << QByteArray("a\r\nb\nc\r\rd") << "a\r\nb\r\nc\r\n\r\nd"
                           << QByteArray("a\r\nb\r\nc\r\n\r\nd\r\n") << QString();
    // A no-break space (0xA0) stays one, which QTextDocument::toPlainText() would break.
    QTest::newRow("every other byte") << everyOtherByte << QString() << everyOtherByte + "\r\n"
                                      << QString::fromUtf16(u"\u00A0\u20AC\u0081");
}

// Every byte but CR and LF comes back as it was; a CR LF stays one and a lone
// CR or LF becomes one. A name typed without an extension is kept.
void FileSafetyTest::lineBreaksAreKeptOrBecomeCrLf()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, script);
    QFETCH(QByteArray, saved);
    QFETCH(QString, mustHold);
    MainWindow window;
    QTemporaryDir dir;
    const QString original = dir.filePath(QStringLiteral("original.scp"));
    writeFile(original, file);
    ModalAnswers answers;
    answers.then(chooseFile(original)).then(chooseFile(dir.filePath(QStringLiteral("plain"))));

    trigger(window, QStringLiteral("mnuOpen"));
    const QString shown = pane(window, "txtEdit")->script();
    trigger(window, QStringLiteral("mnuSaveAs"));

    if (!script.isNull())
        QCOMPARE(shown, script);
    for (const QChar character : mustHold)
        QVERIFY(shown.contains(character));
    QCOMPARE(contents(dir.filePath(QStringLiteral("plain"))), saved);
    QCOMPARE(entries(dir.path()), (QStringList{QStringLiteral("original.scp"), QStringLiteral("plain")}));
    QVERIFY(answeredAll(answers));
}

QTEST_MAIN(FileSafetyTest)
#include "file_safety_test.moc"
