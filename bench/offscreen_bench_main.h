#pragma once

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

namespace defwright::bench {

/// Runs the registered benchmarks in an offscreen application whose settings
/// are Qt's test ones, so the windows never read the user's recent files.
inline int runOffscreenBenchmarks(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace defwright::bench
