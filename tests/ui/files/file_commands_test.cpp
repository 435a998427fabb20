#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "modal_answers.h"
#include "ui/files/script_file.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"
#include "worked_examples.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

#include <csignal>

using defwright::MainWindow;
using defwright::ScriptFile;
using defwright::ScriptPane;

namespace {

/// What a message box showed, kept for the test to check after it closed.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool underWaitCursor = false;
};

// Types the name into the file dialog's name box, as the user does, and
// presses the dialog's Open or Save.
void typeFileName(QFileDialog* dialog, const QString& name)
{
    auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(nameBox);
    nameBox->setText(name);
    static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept is protected; this calls it
}

ModalAnswers::Answer chooseFile(const QString& path, QString* offered = nullptr)
{
    return [path, offered](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        if (offered != nullptr)
            *offered = dialog->selectedFiles().value(0);
        typeFileName(dialog, path);
    };
}

ModalAnswers::Answer cancelDialog()
{
    return [](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); };
}

ModalAnswers::Answer press(QMessageBox::StandardButton button, ShownBox* shown = nullptr)
{
    return [button, shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box);
        if (shown != nullptr) {
            *shown = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                      box->standardButton(box->defaultButton()), QGuiApplication::overrideCursor() != nullptr};
        }
        box->button(button)->click();
    };
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

ScriptPane* pane(const MainWindow& window, const char* name)
{
    return window.findChild<ScriptPane*>(QString::fromLatin1(name));
}

void trigger(const MainWindow& window, const char* action)
{
    window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

bool answeredAll(const ModalAnswers& answers)
{
    return answers.unused() == 0 && answers.unexpected().isEmpty();
}

/// Lowers the largest file this process may write, so that writing fails
/// part way even for root. Restores the limit when it goes.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{bytes, previous_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newLeavesTheBannerAloneInTheItemPane();
    void saveOnlyPointsToSaveAs();
    void saveAsWritesThePaneAndAFinalLineBreak();
    void openThenSaveAddsAnotherLineBreak();
    void everyByteSurvivesOpenAndSave();
    void cancelEndsTheCommand();
    void overwriteIsAskedAndNoWritesNothing();
    void charactersWindows1252LacksAreAskedAbout();
    void failedSaveShowsWhyAndKeepsTheOldFile();
    void failedOpenShowsWhyAndChangesNothing();
    void theWaitCursorShowsOnlyWhileAFileIsTakenIn();
};

void FileCommandsTest::newLeavesTheBannerAloneInTheItemPane()
{
    MainWindow window;
    pane(window, "txtEdit")->replaceScript(QStringLiteral("hand edits"));
    pane(window, "txtnEdit")->replaceScript(QStringLiteral("npc script"));
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 3);

    trigger(window, "mnuNew");

    ScriptPane* item = pane(window, "txtEdit");
    QCOMPARE(item->script(), QString::fromStdString(defwright::bannerText()));
    QCOMPARE(item->SendScintilla(ScriptPane::SCI_GETCURRENTPOS), item->SendScintilla(ScriptPane::SCI_GETLENGTH));
    QCOMPARE(pane(window, "txtnEdit")->script(), QStringLiteral("npc script"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
    item->undo();
    QCOMPARE(item->script(), QStringLiteral("hand edits"));
}

void FileCommandsTest::saveOnlyPointsToSaveAs()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.scp"));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("one"));
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, "mnuSaveAs");

    ShownBox shown;
    answers.then(press(QMessageBox::Ok, &shown));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("two"));
    trigger(window, "mnuSave");

    QCOMPARE(shown.text, QStringLiteral("Use Save As...  Save will be finished soon."));
    QCOMPARE(shown.title, QStringLiteral("Defwright"));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(contents(path), QByteArray("one\r\n"));
    QVERIFY(answeredAll(answers));
}

// An empty pane gives CR LF alone; a name typed without an extension is kept.
void FileCommandsTest::saveAsWritesThePaneAndAFinalLineBreak()
{
    MainWindow window;
    QTemporaryDir dir;
    ModalAnswers answers;
    answers.then([&dir](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("diaSave"));
        QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Script Files (*.scp)")});
        dialog->setDirectory(dir.path());
        typeFileName(dialog, QStringLiteral("plain"));
    });

    trigger(window, "mnuSaveAs");

    const QString path = dir.filePath(QStringLiteral("plain"));
    QCOMPARE(contents(path), QByteArray("\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plain")});
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + path);
    QVERIFY(answeredAll(answers));
}

// Opening goes to the item pane whichever page is in front; the text read
// ends with the CR LF that Save As added, and saving it adds another.
void FileCommandsTest::openThenSaveAddsAnotherLineBreak()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("sword.scp"));
    const QString second = dir.filePath(QStringLiteral("again.scp"));
    const QByteArray script = QByteArray::fromStdString(defwright::itemScript(defwright::samples::magicSword()));
    pane(window, "txtEdit")->replaceScript(QString::fromLatin1(script));
    pane(window, "txtnEdit")->replaceScript(QStringLiteral("npc script"));
    QString offeredOpen;
    QString offeredSave;
    ModalAnswers answers;
    answers.then(chooseFile(first));
    trigger(window, "mnuSaveAs");
    pane(window, "txtEdit")->replaceScript({});
    window.findChild<QObject*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 2);
    answers.then([&first](QWidget* modal) { QCOMPARE(modal->objectName(), QStringLiteral("diaOpen")); chooseFile(first)(modal); });
    trigger(window, "mnuOpen");
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + first);
    answers.then(chooseFile(second, &offeredSave));
    trigger(window, "mnuSaveAs");
    answers.then(chooseFile(first, &offeredOpen));
    trigger(window, "mnuOpen");

    QCOMPARE(contents(first), script + "\r\n");
    QCOMPARE(contents(second), script + "\r\n\r\n");
    QCOMPARE(pane(window, "txtnEdit")->script(), QStringLiteral("npc script"));
    QCOMPARE(offeredSave, first);
    QCOMPARE(offeredOpen, first);
    QVERIFY(answeredAll(answers));
}

// Every byte but CR and LF comes back as it was; a lone CR or LF comes back
// as CR LF. A NUL and a no-break space (0xA0) stay as they are.
void FileCommandsTest::everyByteSurvivesOpenAndSave()
{
    MainWindow window;
    QTemporaryDir dir;
    QByteArray bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            bytes.append(static_cast<char>(byte));
    }
    const QString original = dir.filePath(QStringLiteral("bytes.scp"));
    const QString saved = dir.filePath(QStringLiteral("saved.scp"));
    writeFile(original, bytes + "\r\na\rb\nc");
    ModalAnswers answers;
    answers.then(chooseFile(original)).then(chooseFile(saved));

    trigger(window, "mnuOpen");
    const QString script = pane(window, "txtEdit")->script();
    trigger(window, "mnuSaveAs");

    QVERIFY(script.contains(QChar(0x00A0)));
    QVERIFY(script.contains(QChar(0x20AC)));
    QVERIFY(script.contains(QChar(0x0081)));
    QCOMPARE(contents(saved), bytes + "\r\na\r\nb\r\nc\r\n");
    QVERIFY(answeredAll(answers));
}

// Cancel goes on with nothing: no file from an earlier use is read or written.
void FileCommandsTest::cancelEndsTheCommand()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.scp"));
    ScriptPane* item = pane(window, "txtEdit");
    item->replaceScript(QStringLiteral("first"));
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, "mnuSaveAs");
    item->replaceScript(QStringLiteral("edited"));
    ShownBox shown;
    answers.then(cancelDialog()).then(cancelDialog()).then(press(QMessageBox::Ok, &shown));

    trigger(window, "mnuOpen");
    trigger(window, "mnuSaveAs");

    QCOMPARE(item->script(), QStringLiteral("edited"));
    QCOMPARE(contents(path), QByteArray("first\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + path);
    QCOMPARE(shown.text, QStringLiteral("Cancel was pressed"));
    QCOMPARE(shown.icon, QMessageBox::Information);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(answeredAll(answers));
}

// The caption changes only once the file holds the pane's text.
void FileCommandsTest::overwriteIsAskedAndNoWritesNothing()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.scp"));
    writeFile(path, "old\r\n");
    pane(window, "txtEdit")->replaceScript(QStringLiteral("new"));
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::No, &shown));

    trigger(window, "mnuSaveAs");

    QCOMPARE(shown.text, QStringLiteral("File: old.scp already exists, overwrite?"));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(shown.defaultButton, QMessageBox::Yes);
    QCOMPARE(contents(path), QByteArray("old\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));

    answers.then(chooseFile(path)).then(press(QMessageBox::Yes));
    trigger(window, "mnuSaveAs");

    QCOMPARE(contents(path), QByteArray("new\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + path);
    QVERIFY(answeredAll(answers));
}

void FileCommandsTest::charactersWindows1252LacksAreAskedAbout()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.scp"));
    pane(window, "txtEdit")->replaceScript(QString::fromUtf16(u"a\u65E5\U0001F600\u00E9"));
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::No, &shown));

    trigger(window, "mnuSaveAs");

    QVERIFY2(shown.text.contains(QStringLiteral("2 characters")), qPrintable(shown.text));
    QVERIFY(shown.text.contains(QStringLiteral("\"?\"")));
    QCOMPARE(shown.defaultButton, QMessageBox::No);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));

    answers.then(chooseFile(path)).then(press(QMessageBox::Yes));
    trigger(window, "mnuSaveAs");

    QCOMPARE(contents(path), QByteArray("a??\xE9\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + path);
    QVERIFY(answeredAll(answers));
}

// A write that fails part way, as on a full disk, leaves the old file whole;
// a path that cannot be created is refused. Both say why; neither changes the caption.
void FileCommandsTest::failedSaveShowsWhyAndKeepsTheOldFile()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.scp"));
    const QString underAFile = path + QStringLiteral("/new.scp");
    writeFile(path, "old\r\n");
    pane(window, "txtEdit")->replaceScript(QString(4096, u'x'));
    ShownBox cutShort;
    ShownBox notCreated;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::Yes)).then(press(QMessageBox::Ok, &cutShort));
    {
        const FileSizeLimit limit(1024);
        trigger(window, "mnuSaveAs");
    }
    answers.then(chooseFile(underAFile)).then(press(QMessageBox::Ok, &notCreated));
    trigger(window, "mnuSaveAs");

    QCOMPARE(contents(path), QByteArray("old\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("old.scp")});
    QVERIFY2(cutShort.text.startsWith(QStringLiteral("Could not save ") + path), qPrintable(cutShort.text));
    QVERIFY2(notCreated.text.startsWith(QStringLiteral("Could not save ") + underAFile), qPrintable(notCreated.text));
    QCOMPARE(cutShort.icon, QMessageBox::Warning);
    QVERIFY(!cutShort.underWaitCursor && !notCreated.underWaitCursor);
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
    QVERIFY(answeredAll(answers));
}

// A missing file typed into the dialog; a folder or an oversized file, which
// the dialog will not hand over, read directly.
void FileCommandsTest::failedOpenShowsWhyAndChangesNothing()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.scp"));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("kept"));
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(missing)).then(press(QMessageBox::Ok, &shown));

    trigger(window, "mnuOpen");

    QCOMPARE(shown.text, QStringLiteral("Could not open %1\n\nThere is no such file.").arg(missing));
    QCOMPARE(shown.icon, QMessageBox::Warning);
    QVERIFY(!shown.underWaitCursor);
    QCOMPARE(pane(window, "txtEdit")->script(), QStringLiteral("kept"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
    QVERIFY(answeredAll(answers));

    QCOMPARE(ScriptFile(dir.path()).read().error, QStringLiteral("It is a folder, not a file."));
    const QString huge = dir.filePath(QStringLiteral("huge.scp"));
    QFile sparse(huge);
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(ScriptFile::kMaxBytes + 1));
    sparse.close();
    const ScriptFile::Contents tooLarge = ScriptFile(huge).read();
    QVERIFY(tooLarge.script.isEmpty());
    QVERIFY(tooLarge.error.contains(QStringLiteral("64 MiB")));
}

// The pane takes the text in under the wait cursor; the file dialogs, the
// questions and the window afterwards have the ordinary one.
void FileCommandsTest::theWaitCursorShowsOnlyWhileAFileIsTakenIn()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sword.scp"));
    writeFile(path, "[ITEMDEF i_sword]\r\n");
    QList<Qt::CursorShape> whileTakingIn;
    connect(pane(window, "txtEdit"), &ScriptPane::textChanged, &window, [&whileTakingIn] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        whileTakingIn << (cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
    });
    ShownBox overwrite;
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, "mnuOpen");
    answers.then(chooseFile(path)).then(press(QMessageBox::Yes, &overwrite));
    trigger(window, "mnuSaveAs");

    QCOMPARE(whileTakingIn, QList<Qt::CursorShape>{Qt::WaitCursor});
    QVERIFY(!overwrite.underWaitCursor);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(contents(path), QByteArray("[ITEMDEF i_sword]\r\n\r\n"));
    QVERIFY(answeredAll(answers));
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
