#include "ui/documents/staged_files.h"

#include "ui/documents/native_paths.h"
#include "ui/documents/script_file.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace defwright {
namespace {

std::filesystem::path systemPath(const QString& path)
{
#ifdef Q_OS_WIN
    return {path.toStdWString()};
#else
    return {QFile::encodeName(path).toStdString()};
#endif
}

// A short write is retried, so a failure is seen with its reason; the bytes
// reach the disk before the file is put in place, as QSaveFile's do.
bool writeWhole(QTemporaryFile& file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const qint64 written = file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (!file.flush())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

} // namespace

StagedFiles::StagedFiles() = default;

StagedFiles::~StagedFiles() = default;

QString StagedFiles::stage(const QString& path, std::string_view bytes, std::string old)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString target = canonical.isEmpty() ? path : canonical;
    auto written = std::make_unique<QTemporaryFile>(target + QStringLiteral(".XXXXXX"));
    if (!written->open())
        return tr("Could not write %1: %2").arg(shownPath(path), written->errorString());
    if (!writeWhole(*written, bytes))
        return tr("Could not write %1: %2").arg(shownPath(path), written->errorString());
    written->close();
    written->setPermissions(QFileInfo(target).permissions());
    staged_.push_back({path, target, std::move(written), std::move(old)});
    return {};
}

QString StagedFiles::commit()
{
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        Staged& one = staged_[i];
        std::error_code error;
        std::filesystem::rename(systemPath(one.written->fileName()), systemPath(one.target), error);
        if (!error) {
            one.written->setAutoRemove(false);
            continue;
        }
        const QString reason = tr("Could not write %1: %2")
                                   .arg(shownPath(one.path), QString::fromLocal8Bit(error.message()));
        const QString notBack = putBack(i);
        return notBack.isEmpty() ? reason : reason + u'\n' + notBack;
    }
    staged_.clear();
    return {};
}

// The files put in place before the one that failed, as they were.
QString StagedFiles::putBack(std::size_t count)
{
    QStringList failed;
    for (std::size_t i = 0; i < count; ++i) {
        if (!ScriptFile(staged_[i].target).write(staged_[i].old).isEmpty())
            failed << shownPath(staged_[i].path);
    }
    if (failed.isEmpty())
        return {};
    return tr("These files were changed and could not be put back as they were: %1").arg(failed.join(u", "));
}

} // namespace defwright
