#include "ui/shell/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("defwright"));
    defwright::MainWindow window;
    window.Form_Load();
    window.show();
    return app.exec();
}
