#include "../field_boxes.h"
#include "session_support.h"
#include "window_test_main.h"

using namespace defwright;
using namespace defwright::test;

namespace {

std::string keptField(const std::string& name)
{
    for (const auto& [field, text] : storedSession().fields) {
        if (field == name)
            return text;
    }
    return {};
}

bool keptText(const QString& path, const QString& text)
{
    for (const KeptPane& pane : storedSession().panes) {
        for (const KeptDocument& document : pane.documents) {
            if (document.filePath == path.toStdString())
                return document.modified && document.text == text.toStdString();
        }
    }
    return false;
}

} // namespace

class KeptDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        removeStores();
        QSettings().remove(QStringLiteral("window"));
    }
    void cleanupTestCase() { removeStores(); }
    void everyDocumentComesBackInItsPlace();
    void restoredWorkOutlastsTwoKillsAndItsFileNamedAgain();
    void aTieComesBackOrIsToldAsEnded_data();
    void aTieComesBackOrIsToldAsEnded();
};

// The tabs of both panes in their order, the one in front, a modified text
// with its caret, and the window's size and place; the caption names the
// file in front.
void KeptDocumentsTest::everyDocumentComesBackInItsPlace()
{
    const ScriptsFolder folder;
    QStringList items;
    QString modified;
    {
        const auto window = start();
        window->openItemScript(folder.events());
        window->openItemScript(folder.lights());
        QTest::keyClicks(caretToLine(*window, kItemPane, 2), "x");
        modified = pane(*window, kItemPane)->script();
        openNpcScript(*window, folder.horses());
        trigger(*window, "mnuPreviousDocument");
        window->resize(700, 600);
        items = tabTexts(*window, "tabItemScripts");
        end(*window, Ending::Exit);
    }
    const auto window = start();
    QTRY_COMPARE(tabTexts(*window, "tabItemScripts"), items);
    QCOMPARE(tabTexts(*window, "tabNpcScripts"), (QStringList{"NPC Fields", "horses.scp"}));
    QVERIFY(paneDocument(*window, kNpcPane)->isFormScript());
    showPage(*window, 1);
    QCOMPARE(pane(*window, kItemPane)->script(), modified);
    QCOMPARE(caretLine(*window, kItemPane), 2);
    QVERIFY(paneDocument(*window, kItemPane)->isModified());
    QCOMPARE(window->windowTitle(), "File : " + QDir::toNativeSeparators(folder.lights()));
    QCOMPARE(window->size(), QSize(700, 600));
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized());
    end(*window, Ending::Exit);
    QVERIFY(start()->isMaximized());
}

// A kill keeps the unsaved text; started again, and with the same file named
// on the command line, the document keeps it, modified, and so does the
// store written after that, so a second kill loses nothing either.
void KeptDocumentsTest::restoredWorkOutlastsTwoKillsAndItsFileNamedAgain()
{
    const ScriptsFolder folder;
    const QByteArray onDisk = contents(folder.lights());
    auto window = start();
    window->openItemScript(folder.lights());
    QTest::keyClicks(caretToLine(*window, kItemPane, 0), "unsaved");
    const QString text = pane(*window, kItemPane)->script();
    QTRY_VERIFY(QFileInfo::exists(SessionStore::defaultPath()) && keptText(folder.lights(), text));
    for (int kill = 1; kill <= 2; ++kill) {
        window.reset(); // gone without closing
        window = start();
        window->openItemScript(folder.lights());
        QCOMPARE(pane(*window, kItemPane)->script(), text);
        QVERIFY(paneDocument(*window, kItemPane)->isModified());
        QTest::keyClicks(control(*window, "txtidef"), QString::number(kill));
        QTRY_VERIFY(keptField("txtidef").ends_with(std::to_string(kill)));
        QVERIFY(keptText(folder.lights(), text));
    }
    QCOMPARE(contents(folder.lights()), onDisk);
}

void KeptDocumentsTest::aTieComesBackOrIsToldAsEnded_data()
{
    QTest::addColumn<bool>("fileChanged");
    QTest::newRow("the file as it was") << false;
    QTest::newRow("a line added above on disk") << true;
}

// Fields tied to a definition of a file stay tied after a restart, so a
// letter typed edits that definition in place. Where the definition is no
// longer there, the tie is told as ended, and the letter writes the form's
// own script, the file's document as it is on disk.
void KeptDocumentsTest::aTieComesBackOrIsToldAsEnded()
{
    QFETCH(bool, fileChanged);
    const ScriptsFolder folder;
    {
        const auto window = start();
        window->openItemScript(folder.lights());
        QVERIFY(showActive(*window));
        QTest::keyClick(caretToLine(*window, kItemPane, 600), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(tieShown(*window), "Fields: [ITEMDEF 0a25], line 601");
        end(*window, Ending::Exit);
    }
    if (fileChanged)
        writeFile(folder.lights(), "// a line\r\n" + contents(folder.lights()));
    const QByteArray onDisk = contents(folder.lights());
    const auto window = start();
    QCOMPARE(control<QLineEdit>(*window, "txtBasic(0)")->text(), QString::fromUtf8("lantern \xC3\xA9"));
    if (fileChanged) {
        QTRY_VERIFY(statusMessage(*window).endsWith(
            "The fields are no longer tied: [ITEMDEF 0a25] is not on line 601 of lights.scp any more."));
    }
    QCOMPARE(tieShown(*window), fileChanged ? QString() : "Fields: [ITEMDEF 0a25], line 601");
    typeAtEnd(*window, "txtBasic(0)", "s");
    const PaneDocument* lights = paneDocuments(*window, kItemPane)->documentOf(folder.lights());
    QCOMPARE(QByteArray::fromStdString(lights->encoded().bytes), fileChanged ? onDisk : QByteArray(onDisk).replace("NAME=lantern \xE9", "NAME=lantern \xE9s"));
    QCOMPARE(paneDocument(*window, kItemPane)->isFormScript(), fileChanged);
}

DEFWRIGHT_WINDOW_TEST_MAIN(KeptDocumentsTest)
#include "kept_documents_test.moc"
