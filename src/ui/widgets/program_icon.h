#pragma once

#include <QIcon>

namespace defwright {

/// The program's icon, a 32 x 32 and a 16 x 16 image: the main window's, the
/// help windows' and the splash's picture.
QIcon programIcon();

} // namespace defwright
