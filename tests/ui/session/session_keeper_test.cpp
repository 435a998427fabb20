#include "session_support.h"
#include "ui/session/session_keeper.h"
#include "window_test_main.h"

#include <QComboBox>
#include <QLabel>

#include <algorithm>

using namespace defwright;
using namespace defwright::test;

namespace {

// A real script as UTF-8 with LF breaks and no break after its last line.
QByteArray chestScript()
{
    QByteArray bytes = contents(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPTS "/items/i_dungeon_chest.scp"));
    bytes.chop(1);
    return "// caf\xC3\xA9\n" + bytes;
}

ScriptPane* editor(const MainWindow& window, const char* name)
{
    return control<ScriptPane>(window, QString::fromLatin1(name));
}

QString fieldText(const MainWindow& window, const QString& name)
{
    QWidget* field = control(window, name);
    auto* box = qobject_cast<QComboBox*>(field);
    return box ? box->currentText() : qobject_cast<QLineEdit*>(field)->text();
}

const QStringList kFields = {"txtidef", "txtBasic(0)", "txtType(1)", "txtndef", "lstCan(0)", "cmbbrain", "txtsl(0)"};

} // namespace

class SessionKeeperTest : public QObject {
    Q_OBJECT

private slots:
    void init() { removeStores(); }
    void cleanupTestCase() { removeStores(); }
    void bothPanesAndAllFieldsComeBackAsTheyWere();
    void aPaneThatMatchesItsFileKeepsOnlyItsPath();
    void aFileChangedOnDiskLeavesTheUnsavedTextInThePane();
    void aDamagedStoreIsSetAsideAndReplaced_data();
    void aDamagedStoreIsSetAsideAndReplaced();
    void aWindowWithoutTheLoadStepRestoresAndKeepsNothing();
    void workIsKeptAsItChangesAndAFailureIsTold();

private:
    QTemporaryDir dir_;
};

// Fields on both pages and in the hidden NPC frame, both panes edited by hand
// after a rebuild, one over a file: all of it back after Ctrl+Q and a start,
// nothing rebuilt; the command line's file then opens over the item pane.
void SessionKeeperTest::bothPanesAndAllFieldsComeBackAsTheyWere()
{
    const QString path = dir_.filePath("chest.scp");
    writeFile(path, chestScript());
    QStringList texts;
    QString item, npc;
    long itemCaret = 0;
    {
        const auto window = start();
        control<QPushButton>(*window, "Command2")->click();
        for (const QString& field : kFields)
            QTest::keyClicks(control(*window, field), field + " =1");
        control<QLineEdit>(*window, "txtBasic(0)")->insert(QString::fromUtf8("\xC3\xA9"));
        for (const QString& field : kFields)
            texts << fieldText(*window, field);
        window->openItemScript(path);
        QTest::keyClicks(caretToLine(*window, "txtEdit", 3), "by hand");
        QTest::keyClicks(caretToLine(*window, "txtnEdit", 2), "also by hand");
        item = pane(*window, "txtEdit")->script();
        npc = pane(*window, "txtnEdit")->script();
        itemCaret = editor(*window, "txtEdit")->SendScintilla(ScriptPane::SCI_GETCURRENTPOS);
        end(*window, Ending::CtrlQ);
    }
    const auto window = start();
    for (qsizetype i = 0; i < kFields.size(); ++i)
        QCOMPARE(fieldText(*window, kFields[i]), texts[i]);
    QCOMPARE(fieldText(*window, "txtBasic(1)"), "");
    QVERIFY(!control(*window, "frmcreate")->isHidden());
    QVERIFY(control(*window, "Command2")->isHidden());
    QCOMPARE(pane(*window, "txtEdit")->script(), item);
    QCOMPARE(pane(*window, "txtnEdit")->script(), npc);
    QCOMPARE(editor(*window, "txtEdit")->SendScintilla(ScriptPane::SCI_GETCURRENTPOS), itemCaret);
    QCOMPARE(window->windowTitle(), "File : " + QDir::toNativeSeparators(path));
    QCOMPARE(control<QLabel>(*window, "lblStatusFile")->text(), "chest.scp");
    QCOMPARE(control<QLabel>(*window, "lblStatusModified")->text(), "Modified");
    QCOMPARE(paneDocument(*window, "txtEdit")->format(), (ScriptFormat{TextEncoding::Utf8, LineBreak::Lf, false, false}));
    QVERIFY(paneDocument(*window, "txtnEdit")->isModified());

    // As main() opens a file named on the command line, before the first
    // event: a document of its own, with nothing to undo.
    const QString named = dir_.filePath("named.scp");
    writeFile(named, "[ITEMDEF i_named]\r\n");
    window->openItemScript(named);
    QTRY_COMPARE(statusMessage(*window), "Restored unsaved work from the last session");
    QTest::keyClick(editor(*window, "txtEdit"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(*window, "txtEdit")->script(), "[ITEMDEF i_named]\r\n");
    trigger(*window, "mnuPreviousDocument");
    QCOMPARE(pane(*window, "txtEdit")->script(), item);
    QTest::keyClick(editor(*window, "txtEdit"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(*window, "txtEdit")->script().toUtf8(), chestScript());
}

// Only the path and the view are kept, and the file is read again as it is now.
void SessionKeeperTest::aPaneThatMatchesItsFileKeepsOnlyItsPath()
{
    const QString path = dir_.filePath("match.scp");
    writeFile(path, chestScript());
    {
        const auto window = start();
        window->openItemScript(path);
        caretToLine(*window, "txtEdit", 5);
        editor(*window, "txtEdit")->SendScintilla(ScriptPane::SCI_SETFIRSTVISIBLELINE, 40);
        end(*window, Ending::CloseButton);
    }
    const KeptPane kept = storedSession().panes.at(0);
    QCOMPARE(kept.documents.size(), 2U);
    QCOMPARE(kept.front, 1U);
    QCOMPARE(kept.documents[1].filePath, path.toStdString());
    QVERIFY(!kept.documents[1].text);

    writeFile(path, chestScript() + "\n// later");
    const auto window = start();
    QCOMPARE(pane(*window, "txtEdit")->script().toUtf8(), chestScript() + "\n// later");
    QCOMPARE(pane(*window, "txtEdit")->caretLine(), 5);
    QCOMPARE(editor(*window, "txtEdit")->SendScintilla(ScriptPane::SCI_GETFIRSTVISIBLELINE), 40);
    QVERIFY(!paneDocument(*window, "txtEdit")->isModified());
    QCOMPARE(window->windowTitle(), "File : " + QDir::toNativeSeparators(path));
    QCoreApplication::processEvents();
    QCOMPARE(statusMessage(*window), "");
}

void SessionKeeperTest::aFileChangedOnDiskLeavesTheUnsavedTextInThePane()
{
    const QString path = dir_.filePath("changed.scp");
    writeFile(path, "[ITEMDEF i_a]\r\n");
    {
        const auto window = start();
        window->openItemScript(path);
        QTest::keyClicks(caretToLine(*window, "txtEdit", 1), "NAME=unsaved");
        QTest::keyClicks(control(*window, "txtndef"), "guard");
        editor(*window, "txtnEdit")->selectAll();
        QTest::keyClick(editor(*window, "txtnEdit"), Qt::Key_Delete); // nothing to keep, and no rebuild
        end(*window, Ending::Exit);
    }
    writeFile(path, "[ITEMDEF i_b]\r\nNAME=saved elsewhere\r\n");
    const auto window = start();
    QCOMPARE(pane(*window, "txtEdit")->script(), "[ITEMDEF i_a]\r\nNAME=unsaved");
    QVERIFY(paneDocument(*window, "txtEdit")->isModified());
    QCOMPARE(fieldText(*window, "txtndef"), "guard");
    QCOMPARE(pane(*window, "txtnEdit")->script(), "");
    QTRY_VERIFY(statusMessage(*window).startsWith("Restored unsaved work from the last session. "));
    QVERIFY(statusMessage(*window).contains(QDir::toNativeSeparators(path) + " changed on disk since"));
    QTest::keyClick(editor(*window, "txtEdit"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pane(*window, "txtEdit")->script(), "[ITEMDEF i_b]\r\nNAME=saved elsewhere\r\n");
    QVERIFY(!paneDocument(*window, "txtEdit")->isModified());
    QTest::keyClick(editor(*window, "txtEdit"), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(pane(*window, "txtEdit")->script(), "[ITEMDEF i_a]\r\nNAME=unsaved");
}

void SessionKeeperTest::aDamagedStoreIsSetAsideAndReplaced_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray good = QByteArray::fromStdString(encodeSession({}));
    QTest::newRow("cut short") << good.chopped(3) << "it is cut short or garbled";
    QTest::newRow("another version") << QByteArray(good).replace("session " + QByteArray::number(kSessionFormatVersion),
                                                                 "session 9")
                                     << "it was kept by another version";
    QTest::newRow("not text") << QByteArray("\0\xFF\x01", 3) << "it is not a kept session";
    QTest::newRow("a folder") << QByteArray() << "it is not a file";
}

void SessionKeeperTest::aDamagedStoreIsSetAsideAndReplaced()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString store = SessionStore::defaultPath();
    QVERIFY(QDir().mkpath(bytes.isEmpty() ? store : QFileInfo(store).absolutePath()));
    if (!bytes.isEmpty())
        writeFile(store, bytes);
    const auto window = start();
    QTRY_VERIFY2(statusMessage(*window).contains(reason), qPrintable(statusMessage(*window)));
    QVERIFY(statusMessage(*window).startsWith("The unsaved work of the last session could not be read"));
    QVERIFY(QFileInfo::exists(SessionStore().asidePath()));
    QCOMPARE(pane(*window, "txtEdit")->script(), "");
    if (!bytes.isEmpty())
        QCOMPARE(contents(SessionStore().asidePath()), bytes);
    QTest::keyClicks(control(*window, "txtidef"), "kept");
    end(*window, Ending::Exit);
    QCOMPARE(std::ranges::count(storedSession().fields, std::pair<std::string, std::string>("txtidef", "kept")), 1);
}

// As every other window test makes its windows, and a second program at once.
void SessionKeeperTest::aWindowWithoutTheLoadStepRestoresAndKeepsNothing()
{
    {
        const auto window = start();
        QTest::keyClicks(control(*window, "txtidef"), "sword");
        end(*window, Ending::Exit);
    }
    const QByteArray kept = contents(SessionStore::defaultPath());
    {
        const auto first = start();
        const auto second = start(); // another Defwright at the same time
        QTRY_VERIFY(statusMessage(*second).startsWith("Another Defwright is running"));
        QCOMPARE(fieldText(*first, "txtidef"), "sword");
        QCOMPARE(fieldText(*second, "txtidef"), "");
        QTest::keyClicks(control(*second, "txtndef"), "guard");
        end(*second, Ending::Exit);
        QCOMPARE(contents(SessionStore::defaultPath()), kept);
    }
    {
        MainWindow window;
        QVERIFY(showActive(window));
        QCOMPARE(fieldText(window, "txtidef"), "");
        QTest::keyClicks(control(window, "txtndef"), "guard");
        end(window, Ending::CtrlQ);
    }
    QCOMPARE(contents(SessionStore::defaultPath()), kept);
}

// Kept a moment after each change, the work outlasts a window gone without
// closing (a crash, a kill). A store that cannot be written is told in the
// status bar while typing, and by the one message the end ever shows.
void SessionKeeperTest::workIsKeptAsItChangesAndAFailureIsTold()
{
    const auto startKeepingQuickly = [] {
        auto started = start();
        started->findChild<SessionKeeper*>()->setQuietTime(std::chrono::milliseconds(10));
        return started;
    };
    auto window = startKeepingQuickly();
    QTest::keyClicks(control(*window, "txtidef"), "sword");
    QTRY_VERIFY(QFileInfo::exists(SessionStore::defaultPath()));
    window.reset(); // gone without closing
    window = startKeepingQuickly();
    QCOMPARE(fieldText(*window, "txtidef"), "sword");
    QVERIFY(QFile::remove(SessionStore::defaultPath()) && QDir().mkpath(SessionStore::defaultPath() + "/in the way"));
    QTest::keyClicks(control(*window, "txtidef"), " and shield");
    QTRY_VERIFY(statusMessage(*window).startsWith("The unsaved work cannot be kept in case Defwright ends unexpectedly: "));
    const ShownBox told = endingBox([&window] { end(*window, Ending::Exit); });
    QVERIFY2(told.text.startsWith("The unsaved work could not be kept for the next start in "), qPrintable(told.text));
    QCOMPARE(told.icon, QMessageBox::Warning);
}

DEFWRIGHT_WINDOW_TEST_MAIN(SessionKeeperTest)
#include "session_keeper_test.moc"
