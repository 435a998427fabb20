#include "shell/credits_window.h"

namespace defwright {

CreditsWindow::CreditsWindow(QWidget* owner)
    : QDialog(owner)
{
}

} // namespace defwright
