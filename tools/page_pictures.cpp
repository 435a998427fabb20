// Renders the main window's pages offscreen, filled with the worked examples,
// and the window maximised with a real script in it, to PNG pictures for the README:
//   QT_QPA_PLATFORM=offscreen ./build/tools/defwright_page_pictures docs/images
#include "dark_palette.h"
#include "field_typing.h"
#include "ui/panes/script_pane.h"
#include "ui/shell/main_window.h"
#include "worked_examples.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

bool savePage(defwright::MainWindow& window, int page, const QString& path)
{
    window.findChild<QWidget*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", page);
    QApplication::processEvents();
    return window.grab().save(path);
}

// The offscreen platform's one screen is 800 x 800; the maximised window is
// pictured on a laptop's 1280 x 800 instead.
void useLaptopScreen(const QTemporaryDir& dir)
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return;
    QFile config(dir.filePath(QStringLiteral("screens.json")));
    if (config.open(QIODevice::WriteOnly)
        && config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") > 0) {
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
}

bool saveMaximised(defwright::MainWindow& window, const QString& path)
{
    window.findChild<QAction*>(QStringLiteral("mnuFitScript"))->setChecked(true);
    window.openItemScript(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPT));
    window.showMaximized();
    auto* pane = window.findChild<defwright::ScriptPane*>(QStringLiteral("txtEdit"));
    pane->setFocus();
    pane->setCursorPosition(0, 0);
    return savePage(window, 1, path);
}

// A real file's definition tied to the item fields: its header marked in the
// margin, the status bar naming it, a name typed into its NAME line.
bool saveTied(const QString& path)
{
    defwright::MainWindow window;
    window.show();
    window.resize(window.width() + 130, window.height()); // room for the whole status bar
    window.openItemScript(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPT));
    auto* pane = window.findChild<defwright::ScriptPane*>(QStringLiteral("txtEdit"));
    const std::string text(pane->bytes());
    std::size_t header = text.find("[ITEMDEF");
    for (int skip = 0; skip < 3; ++skip)
        header = text.find("[ITEMDEF", header + 1);
    const auto line = pane->SendScintilla(defwright::ScriptPane::SCI_LINEFROMPOSITION, header);
    pane->SendScintilla(defwright::ScriptPane::SCI_GOTOPOS, header);
    window.findChild<QAction*>(QStringLiteral("mnuFieldsFromScript"))->trigger();
    auto* name = window.findChild<QLineEdit*>(QStringLiteral("txtBasic(0)"));
    name->end(false);
    QTest::keyClicks(name, QStringLiteral(" (tied)"));
    window.findChild<QWidget*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    pane->setFocus();
    pane->SendScintilla(defwright::ScriptPane::SCI_SETFIRSTVISIBLELINE, line > 2 ? line - 2 : 0);
    return savePage(window, 1, path);
}

// The definition inspector beside a real file's definition, the caret on its
// second line.
bool saveInspector(const QString& path)
{
    defwright::MainWindow window;
    window.show();
    window.openItemScript(QStringLiteral(DEFWRIGHT_SAMPLE_SCRIPT));
    window.findChild<QWidget*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    auto* pane = window.findChild<defwright::ScriptPane*>(QStringLiteral("txtEdit"));
    const std::string text(pane->bytes());
    const auto header = text.find("[ITEMDEF", text.find("[ITEMDEF") + 1);
    const auto line = static_cast<int>(pane->SendScintilla(defwright::ScriptPane::SCI_LINEFROMPOSITION, header));
    pane->setFocus();
    pane->setCursorPosition(line + 1, 0);
    window.findChild<QAction*>(QStringLiteral("mnuDefinitionInspector"))->trigger();
    auto* rows = window.findChild<QAbstractItemView*>(QStringLiteral("tblInspector"));
    if (!QTest::qWaitFor([rows] { return rows->model()->rowCount() > 0; }))
        return false;
    QTest::qWait(200); // the problems come from a worker thread
    pane->SendScintilla(defwright::ScriptPane::SCI_SETFIRSTVISIBLELINE, line > 2 ? line - 2 : 0);
    QApplication::processEvents();
    return window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
    // The user's own choices (Fit Script to Window, zoom) stay out of the pictures.
    const QTemporaryDir settings;
    useLaptopScreen(settings);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    defwright::MainWindow window;
    window.findChild<QWidget*>(QStringLiteral("frmcreate"))->hide();
    window.show();
    defwright::samples::typeItem(window, defwright::samples::magicSword());
    defwright::samples::typeNpc(window, defwright::samples::trollGuard());

    bool saved = savePage(window, 0, folder.filePath(QStringLiteral("item-fields.png")))
        && savePage(window, 1, folder.filePath(QStringLiteral("item-script.png")))
        && savePage(window, 2, folder.filePath(QStringLiteral("npc-fields.png")));
    window.findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
    saved = saved && savePage(window, 2, folder.filePath(QStringLiteral("npc-create.png")))
        && savePage(window, 3, folder.filePath(QStringLiteral("npc-script.png")));
    const QString style = QApplication::style()->name();
    const QPalette palette = QApplication::palette();
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(defwright::samples::darkPalette());
    saved = saved && savePage(window, 1, folder.filePath(QStringLiteral("item-script-dark.png")));
    QApplication::setStyle(style);
    QApplication::setPalette(palette);
    saved = saved && saveMaximised(window, folder.filePath(QStringLiteral("maximised-script.png")))
        && saveTied(folder.filePath(QStringLiteral("tied-fields.png")))
        && saveInspector(folder.filePath(QStringLiteral("inspector.png")));
    if (!saved) {
        QTextStream(stderr) << "Could not write the pictures into " << folder.absolutePath() << '\n';
        return 1;
    }
    return 0;
}
