#include "ui/session/session_store.h"

#include "core/session/session_codec.h"
#include "ui/documents/native_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

namespace defwright {

SessionStore::SessionStore(QString path)
    : path_(std::move(path))
{
}

QString SessionStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/session");
}

SessionStore::Loaded SessionStore::load() const
{
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path_);
    if (!info.isFile() || info.size() > kMaxBytes || !file.open(QIODevice::ReadOnly)) {
        const QString reason = !info.isFile()          ? tr("it is not a file")
                               : info.size() > kMaxBytes ? tr("it is too large")
                                                         : file.errorString();
        return {std::nullopt, putAside(reason)};
    }
    const QByteArray bytes = file.readAll();
    DecodedSession decoded = decodeSession({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    if (!decoded.session)
        return {std::nullopt, putAside(QString::fromStdString(decoded.damage))};
    return {std::move(decoded.session), {}};
}

QString SessionStore::putAside(const QString& reason) const
{
    QFile::remove(asidePath());
    const QString message = tr("The unsaved work of the last session could not be read (%1)").arg(reason);
    if (!QFile::rename(path_, asidePath()))
        return message + tr("; it will be replaced.");
    return message + tr("; it was put aside as %1.").arg(shownPath(asidePath()));
}

QString SessionStore::save(const KeptSession& session) const
{
    if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
        return tr("The folder %1 cannot be made.").arg(shownPath(QFileInfo(path_).absolutePath()));
    const std::string bytes = encodeSession(session);
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return file.errorString();
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace defwright
