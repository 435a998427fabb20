#include "ui/widgets/program_icon.h"

#include <QSize>
#include <QString>

// A static library's resources are registered only when asked for by name, and
// the macro that asks has to stand outside any namespace.
static void registerIconResources()
{
    Q_INIT_RESOURCE(defwright_icons);
}

namespace defwright {

QIcon programIcon()
{
    registerIconResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/defwright-32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/defwright-16.xpm"), QSize(16, 16));
    return icon;
}

} // namespace defwright
