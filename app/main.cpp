#include "shell/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    defwright::MainWindow window;
    window.Form_Load();
    window.show();
    return app.exec();
}
