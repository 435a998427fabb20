#include "ui/documents/script_file.h"

#include "core/files/script_bytes.h"
#include "ui/documents/bounded_file_read.h"

#include <QFileInfo>
#include <QSaveFile>

#include <utility>

namespace defwright {
namespace {

// A short write is retried, so that a failure is seen with its reason
// ("No space left on device") rather than as a count that fell short.
bool writeAll(QSaveFile& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

ScriptFile::ScriptFile(QString path)
    : path_(std::move(path))
{
}

ScriptFile::Contents ScriptFile::read() const
{
    const BoundedFileRead read = BoundedFileRead::of(path_, kMaxBytes);
    if (read.outcome != BoundedFileRead::Outcome::Read)
        return {{}, {}, refusal(read)};
    const std::string_view fileBytes(read.bytes.constData(), static_cast<std::size_t>(read.bytes.size()));
    const ScriptFormat format = detectFormat(fileBytes);
    return {decodeScript(fileBytes, format.encoding), format, {}};
}

QString ScriptFile::refusal(const BoundedFileRead& read)
{
    switch (read.outcome) {
    case BoundedFileRead::Outcome::Missing:
        return tr("There is no such file.");
    case BoundedFileRead::Outcome::Folder:
        return tr("It is a folder, not a file.");
    case BoundedFileRead::Outcome::NotAFile:
        return tr("It is not an ordinary file but a named pipe, a socket or a device.");
    case BoundedFileRead::Outcome::TooLarge:
        return tr("It is larger than 64 MiB, too large for the script pane.");
    case BoundedFileRead::Outcome::Read:
    case BoundedFileRead::Outcome::Failed:
        break;
    }
    return read.systemReason;
}

QString ScriptFile::notAFileReason() const
{
    const QFileInfo info(path_);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return tr("It is a folder, not a file.");
    return tr("It is not an ordinary file but a named pipe, a socket or a device.");
}

QString ScriptFile::write(std::string_view encodedScript) const
{
    // Unbuffered: Qt 6.4's QSaveFile::commit() misses a failure while flushing
    // its own buffer and would then put a cut file in place of the old one.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, encodedScript) || !file.commit())
        return file.errorString();
    return {};
}

} // namespace defwright
