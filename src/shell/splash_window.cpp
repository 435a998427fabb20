#include "shell/splash_window.h"

namespace defwright {

SplashWindow::SplashWindow(QWidget* owner)
    : QDialog(owner)
{
}

} // namespace defwright
