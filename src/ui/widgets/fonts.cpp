#include "ui/widgets/fonts.h"

#include <QStringList>

namespace defwright {

QFont windowFont(Typeface typeface, qreal pointSize, bool bold)
{
    QFont font;
    const QString preferred = typeface == Typeface::Verdana ? QStringLiteral("Verdana")
                                                            : QStringLiteral("MS Sans Serif");
    font.setFamilies({preferred, QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace defwright
