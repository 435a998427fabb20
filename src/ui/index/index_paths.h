#pragma once

#include <QFileInfo>
#include <QString>

#include <filesystem>

namespace defwright {

[[nodiscard]] inline std::filesystem::path toPath(const QString& path)
{
    return {path.toStdU16String()};
}

[[nodiscard]] inline QString toQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.u16string());
}

/// The path with links resolved and "." and ".." gone, as the index knows
/// files; the path itself, made absolute, for a file that is not there.
[[nodiscard]] inline QString indexedPath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace defwright
