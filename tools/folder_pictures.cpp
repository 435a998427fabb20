// Renders Go to Definition's list of places, the documents of the item pane
// after a jump, the Check Folder window, all of it and filtered, a script's
// marked problems with the tooltip of a key, and the Definitions Table sorted
// by ARMOR from the highest and filtered to the gargish armour, offscreen,
// over a copy of the sample scripts with a few files of a shard's own and a
// load list added, to PNG pictures for the README:
//   QT_QPA_PLATFORM=offscreen ./build/tools/defwright_folder_pictures docs/images
#include "ui/documents/document_tabs.h"
#include "ui/files/file_commands.h"
#include "ui/panes/pane_places.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <filesystem>

namespace {

constexpr QLatin1StringView kDeeds("[ITEMDEF i_deed_of_the_keep]\r\nDEFNAME=i_deed\r\nNAME=deed to a keep\r\n"
                                   "TYPE=t_keep_deed\r\n\r\n[TYPEDEF t_house_deed\r\nON=@DClick\r\n");
// The server loads the samples' folders and the shard's own, but for an old copy
// of the vendors kept beside them; one line names a file that has gone.
constexpr QLatin1StringView kTables("[RESOURCES]\r\nfunctions/\r\nitems/\r\nnpcs/\r\nspeech/\r\ntypes/\r\n"
                                    "custom/\r\ncustom/guards.scp\r\n//legacy/\r\n");
constexpr QLatin1StringView kOldVendors("[CHARDEF c_deed_seller]\r\nNAME=old deed seller\r\n");
constexpr QLatin1StringView kVendors("[CHARDEF c_deed_seller]\r\nNAME=deed seller\r\nITEMNEWBIE=i_deed\r\n"
                                     "TEVENTS=e_deed_vendor\r\n");

constexpr QLatin1StringView kFaulty("[ITEMDEF i_lantern_of_the_keep]\r\nNAME=keep lantern\r\nTYPE=t_light_lit\r\n"
                                    "WEIGTH=2\r\nTEVENTS=e_deed_vendor\r\n\r\nON=@DClick\r\nIF <ISEVENT.e_deed_vendor>\r\n"
                                    "    SRC.SYSMESSAGE The lantern flickers.\r\n\r\nON=@Death\r\nRETURN 1\r\n");

bool writeFile(const QString& path, QLatin1StringView text)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly)
        && file.write(text.data(), text.size()) == text.size();
}

// The window with the menu drawn where it stands over it.
QImage windowWithPopup(QWidget& window, QWidget& popup)
{
    QImage picture = window.grab().toImage();
    QPainter painter(&picture);
    painter.drawPixmap(window.mapFromGlobal(popup.mapToGlobal(QPoint(0, 0))), popup.grab());
    return picture;
}

// The item pane's documents, then the NPC pane's.
defwright::DocumentTabs* documentsOf(const defwright::MainWindow& window, int pane)
{
    return window.findChildren<defwright::DocumentTabs*>().at(pane);
}

// Presses F12 on the item the vendor names, which is defined twice; the list
// is pictured, then closed or its first place taken.
bool pressF12OnItem(defwright::MainWindow& window, const QString& path, bool take)
{
    auto* pane = window.findChild<defwright::ScriptPane*>(QStringLiteral("txtnEdit"));
    pane->setFocus();
    pane->setCursorPosition(2, 13);
    bool saved = path.isEmpty();
    QTimer::singleShot(100, [&window, &path, &saved, take] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!path.isEmpty())
            saved = popup != nullptr && windowWithPopup(window, *popup).save(path);
        if (popup != nullptr && take) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(popup, &enter); // the first place, which the list has chosen
        }
        if (popup != nullptr)
            popup->close();
    });
    window.findChild<QAction*>(QStringLiteral("mnuGoToDefinition"))->trigger();
    return saved;
}

// Opens the vendor into the NPC pane, as File > Open NPC Script would, and
// pictures the list of the item's two places.
bool saveDefinitionList(defwright::MainWindow& window, const QString& vendors, const QString& path)
{
    window.findChild<defwright::FileCommands*>()->openFile(documentsOf(window, 1), vendors);
    auto* state = window.findChild<QLabel*>(QStringLiteral("lblScriptsIndex"));
    while (!state->text().startsWith(QStringLiteral("Scripts:")))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return pressF12OnItem(window, path, false);
}

// A sample script open in the item pane and changed, then the jump from the
// vendor to the deed: three documents under the item pane's tabs.
bool saveDocuments(defwright::MainWindow& window, const QString& scripts, const QString& path)
{
    window.findChild<defwright::FileCommands*>()->openFile(documentsOf(window, 0),
                                                           scripts + QStringLiteral("/items/i_magic_magery.scp"));
    documentsOf(window, 0)->pane()->insertScript(QStringLiteral("// Tuned for the keep's wizards\r\n"));
    window.findChild<QWidget*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 3);
    pressF12OnItem(window, {}, true);
    QApplication::processEvents();
    return window.grab().save(path);
}

// The tooltip, a window of its own, drawn where it stands over the window.
QImage windowWithTooltip(QWidget& window)
{
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown->inherits("QTipLabel") && shown->isVisible())
            return windowWithPopup(window, *shown);
    }
    return {};
}

// A faulty script in the item pane, its problems marked, and the mouse
// resting on the key it names wrongly.
bool saveProblems(defwright::MainWindow& window, const QString& scripts, const QString& path)
{
    const QString faulty = scripts + QStringLiteral("/custom/lantern.scp");
    if (!writeFile(faulty, kFaulty))
        return false;
    window.findChild<QWidget*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    window.findChild<defwright::FileCommands*>()->openFile(documentsOf(window, 0), faulty);
    auto* count = window.findChild<QLabel*>(QStringLiteral("lblStatusProblems"));
    while (!count->text().contains(QStringLiteral("error")))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    defwright::ScriptPane* pane = documentsOf(window, 0)->pane();
    const auto key = static_cast<std::size_t>(std::string_view(pane->bytes()).find("TEVENTS"));
    const QPoint rest = defwright::pointBelow(*pane, key + 2) - QPoint(0, pane->fontMetrics().height() / 2);
    QHelpEvent help(QEvent::ToolTip, rest, pane->viewport()->mapToGlobal(rest));
    QApplication::sendEvent(pane->viewport(), &help);
    QApplication::processEvents();
    const QImage picture = windowWithTooltip(window);
    return !picture.isNull() && picture.save(path);
}

bool saveFolderCheck(defwright::MainWindow& window, const QString& path)
{
    window.findChild<QAction*>(QStringLiteral("mnuCheckFolder"))->trigger();
    auto* check = window.findChild<QWidget*>(QStringLiteral("frmFolderCheck"));
    QApplication::processEvents();
    return check != nullptr && check->grab().save(path);
}

// The errors and hints that speak of the load list.
bool saveFilteredCheck(defwright::MainWindow& window, const QString& path)
{
    auto* check = window.findChild<QWidget*>(QStringLiteral("frmFolderCheck"));
    auto* warnings = check != nullptr ? check->findChild<QCheckBox*>(QStringLiteral("chkShowWarnings")) : nullptr;
    auto* filter = check != nullptr ? check->findChild<QLineEdit*>(QStringLiteral("txtProblemFilter")) : nullptr;
    if (warnings == nullptr || filter == nullptr)
        return false;
    warnings->setChecked(false);
    filter->setText(QStringLiteral("load list"));
    QApplication::processEvents();
    return check->grab().save(path);
}

bool saveTable(defwright::MainWindow& window, const QString& path)
{
    window.findChild<QAction*>(QStringLiteral("mnuDefinitionsTable"))->trigger();
    auto* table = window.findChild<QWidget*>(QStringLiteral("frmDefinitionsTable"));
    auto* view = table->findChild<QTableView*>(QStringLiteral("tblDefinitions"));
    auto* bar = table->findChild<QStatusBar*>(QStringLiteral("sbrTable"));
    while (view->model()->rowCount() == 0 || bar->currentMessage().startsWith(QStringLiteral("Reading")))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const QAbstractItemModel* model = view->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == QLatin1String("ARMOR"))
            view->sortByColumn(column, Qt::DescendingOrder);
    }
    table->findChild<QLineEdit*>(QStringLiteral("txtTableFilter"))->setText(QStringLiteral("gargish TYPE=t_armor ARMOR>20"));
    view->setFocus();
    view->setCurrentIndex(model->index(2, 0));
    QApplication::processEvents();
    return table->grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    const QDir pictures(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    const QTemporaryDir shard;
    const QString scripts = shard.filePath(QStringLiteral("scripts"));
    std::filesystem::copy(DEFWRIGHT_SAMPLE_SCRIPTS, scripts.toStdString(), std::filesystem::copy_options::recursive);
    const QString vendors = scripts + QStringLiteral("/custom/vendors.scp");
    bool saved = writeFile(scripts + QStringLiteral("/custom/deeds.scp"), kDeeds) && writeFile(vendors, kVendors)
        && writeFile(scripts + QStringLiteral("/tables.scp"), kTables)
        && writeFile(scripts + QStringLiteral("/legacy/vendors.scp"), kOldVendors);
    QSettings().setValue(QStringLiteral("definitionsTable/ITEMDEF/columns"),
                         QStringLiteral("DEFNAME,NAME,TYPE,ARMOR,VALUE,WEIGHT,RESOURCES,SKILLMAKE"));
    defwright::MainWindow window;
    window.findChild<QWidget*>(QStringLiteral("frmcreate"))->hide();
    window.show();
    saved = saved && saveDefinitionList(window, vendors, pictures.filePath(QStringLiteral("go-to-definition.png")))
        && saveDocuments(window, scripts, pictures.filePath(QStringLiteral("documents.png")))
        && saveFolderCheck(window, pictures.filePath(QStringLiteral("check-folder.png")))
        && saveFilteredCheck(window, pictures.filePath(QStringLiteral("check-folder-filtered.png")))
        && saveProblems(window, scripts, pictures.filePath(QStringLiteral("problems.png")))
        && saveTable(window, pictures.filePath(QStringLiteral("definitions-table.png")));
    if (!saved) {
        QTextStream(stderr) << "Could not write the pictures into " << pictures.absolutePath() << '\n';
        return 1;
    }
    return 0;
}
