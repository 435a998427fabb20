#include "core/items/item_script.h"
#include "core/script/script_text.h"
#include "file_test_support.h"
#include "ui/files/file_commands.h"
#include "worked_examples.h"

#include <QDir>
#include <QMainWindow>

using namespace defwright;
using namespace defwright::test;

namespace {

/// A pane that notes whether the wait cursor was up when its text was read or replaced.
class CursorWatchingPane : public ScriptDocument {
public:
    [[nodiscard]] QString script() const override
    {
        note();
        return text_;
    }
    [[nodiscard]] int caretLine() const override { return 0; }
    void replaceScript(const QString& script) override
    {
        note();
        text_ = script;
    }
    mutable QList<bool> underWaitCursor;

private:
    void note() const { underWaitCursor << (QGuiApplication::overrideCursor() != nullptr); }
    QString text_ = QStringLiteral("[ITEMDEF i_sword]");
};

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }
    void newLeavesTheBannerAloneInTheItemPane();
    void saveOnlyPointsToSaveAs();
    void eachPaneIsSavedAndOpenedByItsOwnCommands_data();
    void eachPaneIsSavedAndOpenedByItsOwnCommands();
    void cancelEndsTheCommand();
    void overwriteIsAskedAndNoWritesNothing();
    void charactersWindows1252LacksAreAskedAbout();
    void theWaitCursorShowsOnlyWhileAFileIsTakenIn();

private:
    std::unique_ptr<TemporarySettings> settings_;
};

void FileCommandsTest::newLeavesTheBannerAloneInTheItemPane()
{
    MainWindow window;
    pane(window, "txtEdit")->replaceScript(QStringLiteral("hand edits"));
    pane(window, "txtnEdit")->replaceScript(QStringLiteral("npc script"));
    showPage(window, 3);

    trigger(window, QStringLiteral("mnuNew"));

    QCOMPARE(pane(window, "txtEdit")->script(), QString::fromStdString(bannerText()));
    QCOMPARE(pane(window, "txtnEdit")->script(), QStringLiteral("npc script"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));
    // The caret stands after the banner, and Ctrl+Z brings the hand edits back.
    auto* editor = window.findChild<QWidget*>(QStringLiteral("txtEdit"));
    QTest::keyClicks(editor, QStringLiteral("x"));
    QCOMPARE(pane(window, "txtEdit")->script(), QString::fromStdString(bannerText()) + u'x');
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(window, "txtEdit")->script(), QStringLiteral("hand edits"));
}

void FileCommandsTest::saveOnlyPointsToSaveAs()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved.scp"));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("one"));
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, QStringLiteral("mnuSaveAs"));

    ShownBox shown;
    answers.then(press(QMessageBox::Ok, &shown));
    pane(window, "txtEdit")->replaceScript(QStringLiteral("two"));
    trigger(window, QStringLiteral("mnuSave"));

    QCOMPARE(shown.text, QStringLiteral("Use Save As...  Save will be finished soon."));
    QCOMPARE(shown.title, QStringLiteral("Defwright"));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(contents(path), QByteArray("one\r\n"));
    QVERIFY(answeredAll(answers));
}

void FileCommandsTest::eachPaneIsSavedAndOpenedByItsOwnCommands_data()
{
    QTest::addColumn<QString>("paneName");
    QTest::addColumn<QString>("otherPane");
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<QString>("open");
    QTest::addColumn<bool>("namesCaption");
    QTest::newRow("item") << "txtEdit" << "txtnEdit" << "mnuSaveAs" << "mnuOpen" << true;
    QTest::newRow("npc") << "txtnEdit" << "txtEdit" << "mnuSaveNpcAs" << "mnuOpenNpc" << false;
}

// Each command works whichever page is in front, through the same two dialogs.
// The text read ends with the CR LF that Save As added, and saving it adds
// another. Only the item pane's file is named in the caption.
void FileCommandsTest::eachPaneIsSavedAndOpenedByItsOwnCommands()
{
    QFETCH(QString, paneName);
    QFETCH(QString, otherPane);
    QFETCH(QString, saveAs);
    QFETCH(QString, open);
    QFETCH(bool, namesCaption);
    MainWindow window;
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("sword.scp"));
    const QString second = dir.filePath(QStringLiteral("again.scp"));
    const QByteArray script = QByteArray::fromStdString(itemScript(samples::magicSword()));
    ScriptDocument* saved = pane(window, qPrintable(paneName));
    saved->replaceScript(QString::fromLatin1(script));
    pane(window, qPrintable(otherPane))->replaceScript(QStringLiteral("other script"));
    QString offeredOpen;
    QString offeredSave;
    ModalAnswers answers;
    answers.then(chooseFile(first, nullptr, "diaSave"));
    trigger(window, saveAs);
    saved->replaceScript({});
    showPage(window, 2);
    answers.then(chooseFile(first, nullptr, "diaOpen")).then(chooseFile(second, &offeredSave));
    trigger(window, open);
    trigger(window, saveAs);
    answers.then(chooseFile(first, &offeredOpen));
    trigger(window, open);

    QCOMPARE(contents(first), script + "\r\n");
    QCOMPARE(contents(second), script + "\r\n\r\n");
    QCOMPARE(saved->script(), QString::fromLatin1(script + "\r\n"));
    QCOMPARE(pane(window, qPrintable(otherPane))->script(), QStringLiteral("other script"));
    QCOMPARE(offeredSave, first);
    QCOMPARE(offeredOpen, first);
    QCOMPARE(window.windowTitle(), namesCaption ? QStringLiteral("File : ") + first : QStringLiteral("Defwright"));
    QVERIFY(answeredAll(answers));
}

// Cancel goes on with nothing: no file from an earlier use is read or written.
void FileCommandsTest::cancelEndsTheCommand()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.scp"));
    ScriptDocument* item = pane(window, "txtEdit");
    item->replaceScript(QStringLiteral("first"));
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, QStringLiteral("mnuSaveAs"));
    item->replaceScript(QStringLiteral("edited"));
    ShownBox shown;
    answers.then(cancelDialog()).then(cancelDialog()).then(press(QMessageBox::Ok, &shown));

    trigger(window, QStringLiteral("mnuOpen"));
    trigger(window, QStringLiteral("mnuSaveAs"));

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

    trigger(window, QStringLiteral("mnuSaveAs"));

    QCOMPARE(shown.text, QStringLiteral("File: old.scp already exists, overwrite?"));
    QCOMPARE(shown.icon, QMessageBox::NoIcon);
    QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(shown.defaultButton, QMessageBox::Yes);
    QCOMPARE(contents(path), QByteArray("old\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Defwright"));

    answers.then(chooseFile(path)).then(press(QMessageBox::Yes));
    trigger(window, QStringLiteral("mnuSaveAs"));

    QCOMPARE(contents(path), QByteArray("new\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + path);
    QVERIFY(answeredAll(answers));
}

void FileCommandsTest::charactersWindows1252LacksAreAskedAbout()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.scp"));
    pane(window, "txtnEdit")->replaceScript(QString::fromUtf16(u"a\u65E5\U0001F600\u00E9"));
    ShownBox shown;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::No, &shown));

    trigger(window, QStringLiteral("mnuSaveNpcAs"));

    QVERIFY2(shown.text.contains(QStringLiteral("2 characters")), qPrintable(shown.text));
    QVERIFY(shown.text.contains(QStringLiteral("\"?\"")));
    QCOMPARE(shown.defaultButton, QMessageBox::No);
    QVERIFY(!QFile::exists(path));

    answers.then(chooseFile(path)).then(press(QMessageBox::Yes));
    trigger(window, QStringLiteral("mnuSaveNpcAs"));

    QCOMPARE(contents(path), QByteArray("a??\xE9\r\n"));
    QVERIFY(answeredAll(answers));
}

// The pane is read and filled under the wait cursor; the file dialogs, the
// questions and the window afterwards have the ordinary one.
void FileCommandsTest::theWaitCursorShowsOnlyWhileAFileIsTakenIn()
{
    QMainWindow window;
    CursorWatchingPane watched;
    FileCommands commands(&window, &watched, nullptr);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sword.scp"));
    writeFile(path, "old\r\n");
    ShownBox overwrite;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::Yes, &overwrite));

    commands.saveAs(&watched);
    commands.openFile(&watched, path);

    QCOMPARE(watched.underWaitCursor, (QList<bool>{true, true}));
    QVERIFY(!overwrite.underWaitCursor);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(watched.script(), QStringLiteral("[ITEMDEF i_sword]\r\n"));
    QVERIFY(answeredAll(answers));
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
