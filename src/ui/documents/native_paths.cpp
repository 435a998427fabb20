#include "ui/documents/native_paths.h"

#include <QDir>
#include <QFileInfo>

namespace defwright {

QString shownPath(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool samePath(const QString& one, const QString& other, Qt::CaseSensitivity fileNameCase)
{
    return one.compare(other, fileNameCase) == 0;
}

QString canonicalPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace defwright
