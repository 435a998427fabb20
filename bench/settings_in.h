#pragma once

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QString>

namespace defwright {

/// Keeps what the benchmark's windows remember out of the user's own settings,
/// also where those are the Windows registry or macOS's preferences. The
/// scripts folder is chosen, and empty: a file opened from the system's
/// temporary folder would otherwise have the index read every script folder
/// left there, beside the benchmark, while it runs.
struct SettingsIn {
    explicit SettingsIn(const QString& folder)
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
        const QString noScripts = folder + QStringLiteral("/no-scripts");
        QDir().mkpath(noScripts);
        QSettings().setValue(QStringLiteral("scriptsFolder"), noScripts);
    }
};

} // namespace defwright
