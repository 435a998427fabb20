#include "../files/file_size_limit.h"
#include "../scripts_folder_fixture.h"
#include "window_test_main.h"

#include <QComboBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidget>

using namespace defwright;
using namespace defwright::test;

namespace {

QByteArray documentBytes(const QWidget& window, const QString& pane)
{
    return QByteArray::fromStdString(std::string(paneDocument(window, pane)->editor().bytes()));
}

// Each file's row and its changes as "caption: line before -> after".
QStringList changes(const QWidget& dialog)
{
    const auto* tree = control<QTreeWidget>(dialog, QStringLiteral("treRenameChanges"));
    QStringList shown;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* file = tree->topLevelItem(i);
        for (int change = 0; change < file->childCount(); ++change) {
            const QTreeWidgetItem* row = file->child(change);
            shown << QStringLiteral("%1: %2 %3 -> %4").arg(file->text(0), row->text(0), row->text(1), row->text(2));
        }
    }
    return shown;
}

QString labelText(const QWidget& dialog, const QString& name)
{
    return control<QLabel>(dialog, name)->text();
}

// Types the name into the rename dialog's box in place of what it holds; returns what the dialog says of it.
QString typeName(QWidget& dialog, const QString& name)
{
    auto* box = control<QLineEdit>(dialog, QStringLiteral("txtNewName"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, name);
    return labelText(dialog, QStringLiteral("lblRenameProblem"));
}

// Presses F2 on i_twice in the NPC pane, names it i_double and previews;
// `preview` gets the preview dialog.
bool renameTwice(MainWindow& window, const ModalAnswers::Answer& preview)
{
    ModalAnswers answers;
    answers
        .then([](QWidget* dialog) {
            QCOMPARE(dialog->objectName(), QStringLiteral("diaRename"));
            QCOMPARE(typeName(*dialog, "i_double"), QString());
            control<QPushButton>(*dialog, QStringLiteral("cmdRenamePreview"))->click();
        })
        .then(preview);
    QTest::keyClick(caretAt(window, kNpcPane, 3, 6), Qt::Key_F2);
    return answeredAll(answers);
}

} // namespace

class RenameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void theNewNameIsCheckedAsItIsTyped();
    void theTickedChangesAreMadeAndUndone();
    void aFileThatCannotBeWrittenStopsTheWholeRename();
};

// F2 asks for the new name of the name at a pane's caret, and checks it as it is typed.
void RenameTest::theNewNameIsCheckedAsItIsTyped()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    ModalAnswers answers;
    answers.then([](QWidget* dialog) {
        auto* preview = control<QPushButton>(*dialog, QStringLiteral("cmdRenamePreview"));
        QCOMPARE(dialog->windowTitle(), "Rename i_twice");
        QCOMPARE(control<QLineEdit>(*dialog, QStringLiteral("txtNewName"))->selectedText(), "i_twice");
        QCOMPARE(labelText(*dialog, "lblRenameProblem"), "The new name is the name as it is");
        QVERIFY(!preview->isEnabled());
        QVERIFY(typeName(*dialog, "2x").startsWith("\"2x\" is not a valid name"));
        QCOMPARE(typeName(*dialog, "i_lantern"), "\"i_lantern\" is defined already, at items/lights.scp:602");
        QVERIFY(!preview->isEnabled());
        QCOMPARE(typeName(*dialog, "I_TWICE"), QString());
        QVERIFY(preview->isEnabled());
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::keyClick(caretAt(window, kNpcPane, 3, 6), Qt::Key_F2);
    QVERIFY(answeredAll(answers));
    QVERIFY(showActive(window)); // again, once the dialog has gone
    QTest::keyClick(caretAt(window, kNpcPane, 0, 2), Qt::Key_F2);
    QCOMPARE(window.statusBar()->currentMessage(), "CHARDEF is defined nowhere in the folder");

    // In a field box F2 is the box's own: no rename is asked.
    showPage(window, 2);
    auto* box = control<QComboBox>(window, QStringLiteral("lstCan(6)"));
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("e_horse"));
    QTest::keyClick(box, Qt::Key_F2);
    QVERIFY(answers.unexpected().isEmpty());
    QVERIFY(box->hasFocus());
}

// The preview lists every change; the one unticked stays as it is. The open
// file changes in its pane, as one undo step, the others on disk in their
// own format. Undo Rename refuses while the pane is not as the rename left
// it, then takes every file back.
void RenameTest::theTickedChangesAreMadeAndUndone()
{
    const ScriptsFolder folder;
    const QByteArray lights = contents(folder.lights());
    const QByteArray events = contents(folder.events());
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    const QByteArray horses = documentBytes(window, kNpcPane);
    QVERIFY(renameTwice(window, [](QWidget* dialog) {
        QCOMPARE(changes(*dialog), (QStringList{"items/lights.scp  (1): 605 [ITEMDEF i_twice] -> [ITEMDEF i_double]",
                                                "misc/events.scp  (1): 4 [ITEMDEF i_twice] -> [ITEMDEF i_double]",
                                                "npcs/horses.scp  (1): 4 ITEM=i_twice -> ITEM=i_double"}));
        QCOMPARE(labelText(*dialog, "lblRenameCount"), "3 of 3 changes ticked, in 3 of 3 files");
        auto* tree = control<QTreeWidget>(*dialog, QStringLiteral("treRenameChanges"));
        tree->setFocus();
        tree->setCurrentItem(tree->topLevelItem(1)->child(0));
        QTest::keyClick(tree, Qt::Key_Space);
        QCOMPARE(labelText(*dialog, "lblRenameCount"), "2 of 3 changes ticked, in 2 of 3 files");
        control<QPushButton>(*dialog, QStringLiteral("cmdRenameApply"))->click();
    }));
    QCOMPARE(window.statusBar()->currentMessage(),
             "Renamed i_twice to i_double: 2 places in 2 files (1 written, 1 changed in their open documents). "
             "Script > Undo Rename takes it back.");
    QCOMPARE(contents(folder.lights()), QByteArray(lights).replace("[ITEMDEF i_twice]", "[ITEMDEF i_double]"));
    QCOMPARE(contents(folder.events()), events);
    QCOMPARE(documentBytes(window, kNpcPane), QByteArray(horses).replace("ITEM=i_twice", "ITEM=i_double"));
    QVERIFY(paneDocument(window, kNpcPane)->isModified());

    QTest::keyClick(control(window, kNpcPane), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(documentBytes(window, kNpcPane), horses);
    QVERIFY(!paneDocument(window, kNpcPane)->isModified());
    auto* undoRename = control<QAction>(window, QStringLiteral("mnuUndoRename"));
    QCOMPARE(undoRename->text(), "&Undo Rename of i_twice to i_double");
    undoRename->trigger();
    QCOMPARE(window.statusBar()->currentMessage(),
             "The rename of i_twice to i_double stays as it is. " + QDir::toNativeSeparators(folder.horses())
                 + " has changed since it was read, so nothing was changed.");
    QCOMPARE(contents(folder.lights()), QByteArray(lights).replace("[ITEMDEF i_twice]", "[ITEMDEF i_double]"));

    QTest::keyClick(control(window, kNpcPane), Qt::Key_Y, Qt::ControlModifier);
    undoRename->trigger();
    QCOMPARE(contents(folder.lights()), lights);
    QCOMPARE(documentBytes(window, kNpcPane), horses);
    QCOMPARE(undoRename->text(), "R&edo Rename of i_twice to i_double");
}

// A file that cannot be written (cut short, as on a full disk) or read (a
// folder in its place) when Rename is pressed: the dialog stays and says
// why, and no file changes, the open one neither.
void RenameTest::aFileThatCannotBeWrittenStopsTheWholeRename()
{
    const ScriptsFolder folder;
    const QByteArray events = contents(folder.events());
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    const QByteArray horses = documentBytes(window, kNpcPane);
    QStringList reasons;
    const ModalAnswers::Answer preview = [&folder, &reasons](QWidget* dialog) {
        auto* rename = control<QPushButton>(*dialog, QStringLiteral("cmdRenameApply"));
#ifdef Q_OS_UNIX // writing fails part way, as on a full disk
        reasons << withFileSizeLimit(1024, [&] { rename->click(); return labelText(*dialog, "lblRenameResult"); });
#endif
        QVERIFY(QFile::remove(folder.lights()) && QDir().mkdir(folder.lights()));
        rename->click();
        reasons << labelText(*dialog, "lblRenameResult");
        QVERIFY(dialog->isVisible());
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    QVERIFY(renameTwice(window, preview));
    const QString shown = QDir::toNativeSeparators(folder.lights());
    QCOMPARE(reasons.constLast(), "Nothing was renamed. Could not read " + shown + ": It is a folder, not a file.");
    if (reasons.size() == 2)
        QVERIFY2(reasons.constFirst().startsWith("Nothing was renamed. Could not write " + shown + ": "),
                 qPrintable(reasons.constFirst()));
    QCOMPARE(contents(folder.events()), events);
    QCOMPARE(documentBytes(window, kNpcPane), horses);
    QVERIFY(!paneDocument(window, kNpcPane)->isModified());
    QCOMPARE(entries(QFileInfo(folder.lights()).absolutePath()), QStringList{"lights.scp"});
}

DEFWRIGHT_WINDOW_TEST_MAIN(RenameTest)
#include "rename_test.moc"
