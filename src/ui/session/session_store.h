#pragma once

#include "core/session/kept_session.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

namespace defwright {

/// The file that keeps the unsaved work of one run for the next, in the
/// user's application data folder. It is written whole or not at all.
class SessionStore {
    Q_DECLARE_TR_FUNCTIONS(SessionStore)

public:
    /// A store larger than this is not read: two panes of the largest file
    /// Open takes, and the fields, stay far below.
    static constexpr qint64 kMaxBytes = qint64{256} * 1024 * 1024;

    explicit SessionStore(QString path = defaultPath());

    /// "session" in QStandardPaths::AppLocalDataLocation.
    [[nodiscard]] static QString defaultPath();
    [[nodiscard]] const QString& path() const { return path_; }

    /// What the last run kept. Neither a session nor a problem: nothing was
    /// kept. A damaged store is put aside, beside it, so the next run's
    /// replaces nothing that could still be looked into.
    struct Loaded {
        std::optional<KeptSession> session;
        QString problem;
    };
    [[nodiscard]] Loaded load() const;

    /// Returns why the store could not be written, or an empty string.
    [[nodiscard]] QString save(const KeptSession& session) const;

    /// Where a damaged store goes.
    [[nodiscard]] QString asidePath() const { return path_ + QStringLiteral(".damaged"); }

private:
    [[nodiscard]] QString putAside(const QString& reason) const;

    QString path_;
};

} // namespace defwright
