#include "ui/documents/bounded_file_read.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <qt_windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace defwright {
namespace {

using Outcome = BoundedFileRead::Outcome;

constexpr qint64 kFirstBuffer = 64 * 1024;
constexpr qint64 kPiece = 1024 * 1024;

BoundedFileRead failure(int error)
{
    if (error == ENOENT)
        return {Outcome::Missing, {}, {}};
    if (error == ENXIO) // a socket, or a device without its driver
        return {Outcome::NotAFile, {}, {}};
    return {Outcome::Failed, {}, QString::fromLocal8Bit(std::strerror(error))};
}

// An open file of the right kind, or why there is none. `sizeHint` is what the
// file system says the file holds, good only for sizing the first buffer.
struct Opened {
    int descriptor = -1;
    qint64 sizeHint = 0;
    BoundedFileRead refused;
};

#ifdef Q_OS_WIN

// Opening does not wait on Windows: a pipe that is busy or has no server
// fails at once. A folder cannot be opened as a file at all.
Opened openWithoutWaiting(const QString& path)
{
    const auto* name = reinterpret_cast<const wchar_t*>(path.utf16());
    const int descriptor = _wopen(name, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (descriptor < 0) {
        const int error = errno;
        if (error == EACCES && QFileInfo(path).isDir())
            return {-1, 0, {Outcome::Folder, {}, {}}};
        return {-1, 0, failure(error)};
    }
    if (GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor))) != FILE_TYPE_DISK) {
        _close(descriptor);
        return {-1, 0, {Outcome::NotAFile, {}, {}}};
    }
    return {descriptor, static_cast<qint64>(_filelengthi64(descriptor)), {}};
}

qint64 readSome(int descriptor, char* into, qint64 count)
{
    return _read(descriptor, into, static_cast<unsigned int>(count));
}

void closeFile(int descriptor)
{
    _close(descriptor);
}

#else

Opened notAFile(mode_t mode)
{
    return {-1, 0, {S_ISDIR(mode) ? Outcome::Folder : Outcome::NotAFile, {}, {}}};
}

// Opening some devices does something by itself (a watchdog starts counting),
// so what is plainly no file is refused unopened. O_NONBLOCK: a named pipe put
// in its place since opens at once instead of waiting for a writer, and the
// type asked of what was opened refuses it.
Opened openWithoutWaiting(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return notAFile(status.st_mode);
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return {-1, 0, failure(errno)};
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        return {-1, 0, failure(error)};
    }
    if (!S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return notAFile(status.st_mode);
    }
    return {descriptor, static_cast<qint64>(status.st_size), {}};
}

qint64 readSome(int descriptor, char* into, qint64 count)
{
    return ::read(descriptor, into, static_cast<std::size_t>(count));
}

void closeFile(int descriptor)
{
    ::close(descriptor);
}

#endif

// Reads to the end or to one byte past the limit, whichever comes first.
BoundedFileRead readUpTo(int descriptor, qint64 sizeHint, qint64 maxBytes)
{
    const qint64 ceiling = maxBytes + 1;
    QByteArray bytes(std::clamp(sizeHint + 1, std::min(kFirstBuffer, ceiling), ceiling), Qt::Uninitialized);
    qint64 used = 0;
    while (used < ceiling) {
        if (used == bytes.size())
            bytes.resize(std::min(ceiling, bytes.size() * 2));
        const qint64 got = readSome(descriptor, bytes.data() + used, std::min(kPiece, bytes.size() - used));
        if (got < 0 && errno == EINTR)
            continue;
        // Some /proc files refuse a read of less than 8 bytes: there is more
        // of them at the limit, so they are larger than it.
        if (got < 0 && errno == EINVAL && used == maxBytes)
            return {Outcome::TooLarge, {}, {}};
        if (got < 0)
            return failure(errno);
        if (got == 0)
            break;
        used += got;
    }
    if (used > maxBytes)
        return {Outcome::TooLarge, {}, {}};
    bytes.resize(used);
    return {Outcome::Read, bytes, {}};
}

} // namespace

BoundedFileRead BoundedFileRead::of(const QString& path, qint64 maxBytes)
{
    const Opened opened = openWithoutWaiting(path);
    if (opened.descriptor < 0)
        return opened.refused;
    if (opened.sizeHint > maxBytes) {
        closeFile(opened.descriptor);
        return {Outcome::TooLarge, {}, {}};
    }
    BoundedFileRead read = readUpTo(opened.descriptor, opened.sizeHint, maxBytes);
    closeFile(opened.descriptor);
    return read;
}

} // namespace defwright
