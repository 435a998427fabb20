#pragma once

// The main() of every window test, in place of QTEST_MAIN.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

namespace defwright::test {

/// Keeps what the windows remember (the recent files, the file dialogs' last
/// folder) out of the user's own settings on every platform: INI files in
/// `folder` stand in for the settings file, the Windows registry or macOS's
/// preferences, and whatever Qt finds through QStandardPaths is in its test
/// places (~/.qttest on Linux).
inline void keepSettingsIn(const QString& folder)
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

} // namespace defwright::test

// DEFWRIGHT_TEST_SETTINGS is the test's own folder in the build tree.
#define DEFWRIGHT_WINDOW_TEST_MAIN(TestObject)                                     \
    int main(int argc, char* argv[])                                              \
    {                                                                             \
        defwright::test::keepSettingsIn(QStringLiteral(DEFWRIGHT_TEST_SETTINGS)); \
        QApplication app(argc, argv);                                             \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                  \
        TestObject test;                                                          \
        QTEST_SET_MAIN_SOURCE_PATH                                                \
        return QTest::qExec(&test, argc, argv);                                   \
    }
