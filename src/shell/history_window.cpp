#include "shell/history_window.h"

namespace defwright {

HistoryWindow::HistoryWindow(QWidget* owner)
    : QDialog(owner)
{
}

} // namespace defwright
