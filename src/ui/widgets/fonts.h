#pragma once

#include <QFont>

namespace defwright {

/// The fonts the windows are drawn in. Verdana and MS Sans Serif are used where
/// installed; elsewhere the closest sans-serif, DejaVu Sans on Debian.
enum class Typeface { Verdana, MsSansSerif };

QFont windowFont(Typeface typeface, qreal pointSize, bool bold = false);

} // namespace defwright
