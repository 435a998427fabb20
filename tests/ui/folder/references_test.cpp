#include "../scripts_folder_fixture.h"
#include "window_test_main.h"

#include <QClipboard>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTreeWidget>

using namespace defwright;
using namespace defwright::test;

namespace {

// Each file's row with its places under it, as "caption: line text | line text".
QStringList groups(const QTreeWidget* list)
{
    QStringList shown;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* file = list->topLevelItem(i);
        QStringList places;
        for (int place = 0; place < file->childCount(); ++place)
            places << file->child(place)->text(0) + u' ' + file->child(place)->text(1);
        shown << file->text(0) + QStringLiteral(": ") + places.join(QStringLiteral(" | "));
    }
    return shown;
}

} // namespace

class ReferencesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().remove(QStringLiteral("scriptsFolder")); }
    void everyPlaceIsListedByFileAndEnterGoesThere();
};

// Shift+F12 on i_lantern lists its item's header (by its id), its DEFNAME and
// the NPC that names it, by file, with the count; Copy gives them as text.
// Enter opens the place as a jump: Alt+Left comes back. A name nothing names
// is told in the status bar.
void ReferencesTest::everyPlaceIsListedByFileAndEnterGoesThere()
{
    const ScriptsFolder folder;
    MainWindow window;
    QVERIFY(openIndexed(window, folder.horses()));
    QTest::keyClick(caretAt(window, kNpcPane, 1, 13), Qt::Key_F12, Qt::ShiftModifier);

    auto* references = control(window, QStringLiteral("frmReferences"));
    QVERIFY(references->isVisible());
    QCOMPARE(references->windowTitle(), QStringLiteral("References to i_lantern"));
    QCOMPARE(control<QLabel>(*references, QStringLiteral("lblReferenceCount"))->text(), "3 places in 2 files");
    QCOMPARE(window.statusBar()->currentMessage(), "References to i_lantern: 3 places in 2 files");
    auto* list = control<QTreeWidget>(*references, QStringLiteral("lstReferences"));
    QCOMPARE(groups(list), (QStringList{"items/lights.scp  (2): 601 [ITEMDEF 0a25] | 602 DEFNAME=i_lantern",
                                        "npcs/horses.scp  (1): 2 ITEMNEWBIE=i_lantern"}));
    control<QPushButton>(*references, QStringLiteral("cmdCopyReferences"))->click();
    QCOMPARE(QApplication::clipboard()->text(), "items/lights.scp:601: [ITEMDEF 0a25]\n"
                                                "items/lights.scp:602: DEFNAME=i_lantern\n"
                                                "npcs/horses.scp:2: ITEMNEWBIE=i_lantern\n");

    QCOMPARE(list->currentItem(), list->topLevelItem(0)->child(0));
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(paneDocument(window, kItemPane)->filePath(), folder.lights());
    QCOMPARE(caretLine(window, kItemPane), 601);
    QCOMPARE(currentPage(window), 1);
    QTest::keyClick(control(window, kItemPane), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(currentPage(window), 3);
    QCOMPARE(caretLine(window, kNpcPane), 1);

    QTest::keyClick(caretAt(window, kNpcPane, 0, 2), Qt::Key_F12, Qt::ShiftModifier);
    QCOMPARE(window.statusBar()->currentMessage(), "No place in the scripts folder names CHARDEF");
}

DEFWRIGHT_WINDOW_TEST_MAIN(ReferencesTest)
#include "references_test.moc"
