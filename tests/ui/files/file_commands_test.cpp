#include "core/script/script_text.h"
#include "file_test_support.h"
#include "window_test_main.h"


using namespace defwright;
using namespace defwright::test;

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newPutsTheBannerInTheItemPaneOnly();
    void eachPaneIsSavedAndOpenedByItsOwnCommands_data();
    void eachPaneIsSavedAndOpenedByItsOwnCommands();
    void nothingIsWrittenUnasked();
    void saveAsksBeforeWritingOverWhatChangedOnDisk();
};

// From any page. The caret stands after the banner, and Ctrl+Z brings the hand edits back.
void FileCommandsTest::newPutsTheBannerInTheItemPaneOnly()
{
    MainWindow window;
    pane(window, "txtEdit")->replaceScript("hand edits");
    pane(window, "txtnEdit")->replaceScript("npc script");
    control(window, "SSTab1")->setProperty("currentIndex", 3);

    trigger(window, "mnuNew");

    QCOMPARE(pane(window, "txtnEdit")->script(), "npc script");
    QWidget* editor = control(window, "txtEdit");
    QTest::keyClicks(editor, "x");
    QCOMPARE(pane(window, "txtEdit")->script(), QString::fromStdString(bannerText()) + u'x');
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(window, "txtEdit")->script(), "hand edits");
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

// Each command works from any page, through dialogs that show the scripts. Open
// offers the last file again and fills the pane under the wait cursor; only the
// item pane's file is named in the caption.
void FileCommandsTest::eachPaneIsSavedAndOpenedByItsOwnCommands()
{
    QFETCH(QString, paneName);
    QFETCH(QString, otherPane);
    QFETCH(QString, saveAs);
    QFETCH(QString, open);
    QFETCH(bool, namesCaption);
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("sword.scp");
    pane(window, paneName)->replaceScript("[ITEMDEF i_sword]\r\nNAME=sword");
    pane(window, otherPane)->replaceScript("other script");
    QString offered;
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, saveAs);
    pane(window, paneName)->replaceScript({});
    control(window, "SSTab1")->setProperty("currentIndex", 2);
    QList<bool> waitCursor; // at each change of the pane's text
    connect(control<ScriptPane>(window, paneName), &ScriptPane::textChanged, this,
            [&waitCursor] { waitCursor << (QGuiApplication::overrideCursor() != nullptr); });
    answers.then(chooseFile(path)).then(chooseFile(path, &offered));
    trigger(window, open);
    trigger(window, open);

    QCOMPARE(contents(path), "[ITEMDEF i_sword]\r\nNAME=sword\r\n");
    QCOMPARE(pane(window, paneName)->script(), "[ITEMDEF i_sword]\r\nNAME=sword\r\n");
    QCOMPARE(pane(window, otherPane)->script(), "other script");
    QCOMPARE(offered, path);
    QVERIFY(!waitCursor.isEmpty() && !waitCursor.contains(false));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QCOMPARE(window.windowTitle(), namesCaption ? "File : " + QDir::toNativeSeparators(path) : "Defwright");
    QVERIFY(answeredAll(answers));
}

// Cancel ends a command, No to either question writes nothing and Save only
// points to Save As: the file, the pane and the caption stay as they were until
// the file holds the pane's text. Enter overwrites a file, but does not let
// what Windows-1252 lacks become "?".
void FileCommandsTest::nothingIsWrittenUnasked()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("old.scp");
    writeFile(path, "old\r\n");
    const QString wide = QString::fromUtf16(u"a\u65E5\U0001F600\u00E9");
    pane(window, "txtEdit")->replaceScript(wide);
    const auto cancel = [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); };
    ShownBox overwrite;
    ShownBox lossy;
    ShownBox cancelled;
    ShownBox saved;
    ModalAnswers answers;
    answers.then(chooseFile(path)).then(press(QMessageBox::No, &overwrite));
    answers.then(chooseFile(path)).then(press(QMessageBox::Yes)).then(press(QMessageBox::No, &lossy));
    answers.then(cancel).then(cancel).then(press(QMessageBox::Ok, &cancelled));
    answers.then(press(QMessageBox::Ok, &saved));
    for (const QString command : {"mnuSaveAs", "mnuSaveAs", "mnuOpen", "mnuSaveAs", "mnuSave"})
        trigger(window, command);

    QCOMPARE(overwrite.text, "File: old.scp already exists, overwrite?");
    QCOMPARE(overwrite.defaultButton, QMessageBox::Yes);
    QVERIFY2(lossy.text.contains("2 characters") && lossy.text.contains("\"?\""), qPrintable(lossy.text));
    QCOMPARE(lossy.defaultButton, QMessageBox::No);
    QCOMPARE(cancelled.text, "Cancel was pressed");
    QCOMPARE(saved.text, "Use Save As...  Save will be finished soon.");
    QCOMPARE(contents(path), "old\r\n");
    QCOMPARE(pane(window, "txtEdit")->script(), wide);
    QCOMPARE(window.windowTitle(), "Defwright");

    answers.then(chooseFile(path)).then(press(QMessageBox::Yes)).then(press(QMessageBox::Yes));
    trigger(window, "mnuSaveAs");

    QCOMPARE(contents(path), "a??\xE9\r\n");
    QCOMPARE(window.windowTitle(), "File : " + QDir::toNativeSeparators(path));
    QVERIFY(answeredAll(answers));
}

// A checkout or another editor wrote the file after it was opened: Save asks,
// No keeping what is on disk, and once saved over, Save asks no more. A file
// gone from disk is written again unasked.
void FileCommandsTest::saveAsksBeforeWritingOverWhatChangedOnDisk()
{
    MainWindow window;
    QTemporaryDir dir;
    const QString path = dir.filePath("changed.scp");
    writeFile(path, "[ITEMDEF i_a]\r\n");
    ModalAnswers answers;
    answers.then(chooseFile(path));
    trigger(window, "mnuOpen");
    auto* script = window.findChild<QWidget*>(QStringLiteral("txtEdit"));
    script->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(script, QStringLiteral("x"));
    writeFile(path, "[ITEMDEF i_b]\r\n");
    QFile(path).setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    ShownBox asked;
    answers.then(press(QMessageBox::No, &asked));
    trigger(window, "mnuSave");
    QCOMPARE(asked.text, "changed.scp changed on disk since it was opened or saved here.\n\n"
                         "Save over it? What changed on disk would be lost.");
    QCOMPARE(asked.defaultButton, QMessageBox::No);
    QCOMPARE(contents(path), "[ITEMDEF i_b]\r\n");

    answers.then(press(QMessageBox::Yes));
    trigger(window, "mnuSave");
    const QByteArray saved = contents(path);
    QVERIFY(saved != "[ITEMDEF i_b]\r\n");
    trigger(window, "mnuSave");
    QFile::remove(path);
    trigger(window, "mnuSave");
    QCOMPARE(contents(path), saved);
    QVERIFY(answeredAll(answers));
}

DEFWRIGHT_WINDOW_TEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
