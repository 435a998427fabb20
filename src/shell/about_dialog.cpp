#include "shell/about_dialog.h"

namespace defwright {

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner)
{
}

} // namespace defwright
