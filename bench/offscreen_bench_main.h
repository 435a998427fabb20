#pragma once

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace defwright::bench {

/// Runs the registered benchmarks in an offscreen application whose settings
/// are Qt's test ones, so the windows never read the user's recent files.
/// `setUp`, when given, runs once the application exists and may register
/// more; what it returns is kept until the benchmarks have run.
inline int runOffscreenBenchmarks(int argc, char* argv[],
                                  const std::function<std::shared_ptr<void>()>& setUp = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const std::shared_ptr<void> kept = setUp ? setUp() : nullptr;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace defwright::bench
