// Renders the main window's pages offscreen, filled with the worked examples,
// to PNG pictures for the README:
//   QT_QPA_PLATFORM=offscreen ./build/tools/defwright_page_pictures docs/images
#include "dark_palette.h"
#include "field_typing.h"
#include "ui/shell/main_window.h"
#include "worked_examples.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

bool savePage(defwright::MainWindow& window, int page, const QString& path)
{
    window.findChild<QWidget*>(QStringLiteral("SSTab1"))->setProperty("currentIndex", page);
    QApplication::processEvents();
    return window.grab().save(path);
}

} // namespace

int main(int argc, char* argv[])
{
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
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(defwright::samples::darkPalette());
    saved = saved && savePage(window, 1, folder.filePath(QStringLiteral("item-script-dark.png")));
    if (!saved) {
        QTextStream(stderr) << "Could not write the pictures into " << folder.absolutePath() << '\n';
        return 1;
    }
    return 0;
}
