#pragma once

#include <QByteArray>
#include <QString>

namespace defwright {

/// What reading a whole file, up to a limit, came to. The file is opened
/// without waiting (a named pipe with no writer, a device) and its type is
/// asked of the opened file, so nothing can be put in its place between the
/// two. Only the bytes read count against the limit, never the size the file
/// system gives: a /proc file says 0, a file may grow while it is read.
struct BoundedFileRead {
    enum class Outcome {
        Read, ///< `bytes` holds the whole file
        Missing, ///< there is no such file
        Folder,
        NotAFile, ///< a named pipe, a socket or a device
        TooLarge, ///< it holds more than the limit
        Failed, ///< the system refused; `systemReason` says why
    };

    Outcome outcome = Outcome::Failed;
    QByteArray bytes;
    QString systemReason; ///< as the system words it, "Permission denied"

    /// Reads at most `maxBytes` + 1 bytes of the file at `path`.
    [[nodiscard]] static BoundedFileRead of(const QString& path, qint64 maxBytes);
};

} // namespace defwright
