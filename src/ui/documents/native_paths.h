#pragma once

#include <QString>
#include <QtGlobal>

namespace defwright {

/// How this platform's usual file systems compare file names: NTFS and APFS
/// (as macOS formats it) without regard to case, the others with it.
inline constexpr Qt::CaseSensitivity kFileNameCase =
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

/// A path as the user's platform writes it (with backslashes on Windows), for
/// captions, menus and messages; Qt's own form, with "/", stays inside.
[[nodiscard]] QString shownPath(const QString& path);

/// Whether two absolute, cleaned paths name the same file, on a file system
/// that compares names as `fileNameCase` says.
[[nodiscard]] bool samePath(const QString& one, const QString& other, Qt::CaseSensitivity fileNameCase = kFileNameCase);

/// The path with links resolved and "." and ".." gone, as the system finds
/// the file: two paths of one file give the same. For a file that is not
/// there, the path itself, made absolute.
[[nodiscard]] QString canonicalPath(const QString& path);

} // namespace defwright
