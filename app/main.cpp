#include "ui/shell/command_line.h"
#include "ui/shell/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Defwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Defwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DEFWRIGHT_VERSION));
    // Lets the desktop match the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("defwright"));
    const defwright::CommandLine commandLine(QCoreApplication::arguments());
    if (commandLine.endsAtOnce())
        return commandLine.report();
    defwright::MainWindow window;
    window.Form_Load();
    window.show();
    if (!commandLine.scriptPath().isEmpty())
        window.openItemScript(commandLine.scriptPath());
    return app.exec();
}
