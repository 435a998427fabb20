#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <filesystem>

namespace defwright {

// The index keeps paths as the system gives them, and the window as Qt does.
// They go from one to the other through the system's own bytes, never through
// a conversion that could fail: a file name need not be valid in any encoding.

[[nodiscard]] inline std::filesystem::path toPath(const QString& path)
{
#ifdef Q_OS_WIN
    return {path.toStdWString()};
#else
    return {QFile::encodeName(path).toStdString()};
#endif
}

/// A name that is not valid in the system's encoding comes back with U+FFFD
/// for what cannot be read, and then no longer names the file (see namesFile()).
[[nodiscard]] inline QString toQString(const std::filesystem::path& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

/// Whether the window can name the file, so as to open it, watch it and read it again.
[[nodiscard]] inline bool namesFile(const std::filesystem::path& path)
{
    return toPath(toQString(path)) == path;
}

} // namespace defwright
