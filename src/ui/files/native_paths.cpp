#include "ui/files/native_paths.h"

#include <QDir>

namespace defwright {

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool samePath(const QString& one, const QString& other, Qt::CaseSensitivity fileNameCase)
{
    return one.compare(other, fileNameCase) == 0;
}

} // namespace defwright
