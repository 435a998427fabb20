#include "ui/shell/command_line.h"
#include "ui/shell/main_window.h"

#include <QApplication>

namespace {

void nameProgram()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Defwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Defwright"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DEFWRIGHT_VERSION));
}

// --help and --version are answered before the window system is asked for,
// so they work where there is no display. Anything else, a toolkit option
// such as -platform among it, is read again once the toolkit has taken its own.
bool answeredWithoutWindows(int argc, char* argv[], int& exitCode)
{
    const QCoreApplication core(argc, argv);
    nameProgram();
    const defwright::CommandLine commandLine(QCoreApplication::arguments());
    if (!commandLine.endsAtOnce() || commandLine.exitCode() != 0)
        return false;
    exitCode = commandLine.report();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (int exitCode = 0; answeredWithoutWindows(argc, argv, exitCode))
        return exitCode;
    QApplication app(argc, argv);
    nameProgram();
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
