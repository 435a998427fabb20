#include "ui/shell/command_line.h"
#include "window_test_main.h"

#include <QDir>
#include <QtTest>

using namespace defwright;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName("Defwright");
        QCoreApplication::setApplicationVersion("1.4");
    }
    void theArgumentsDecideWhatStarts_data();
    void theArgumentsDecideWhatStarts();
};

void CommandLineTest::theArgumentsDecideWhatStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("scriptPath");
    QTest::newRow("nothing") << QStringList() << 0 << QString() << QString();
    QTest::newRow("a script") << QStringList{"sword.scp"} << 0 << QString()
                              << QDir::currentPath() + "/sword.scp";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "Defwright 1.4\n" << QString();
    QTest::newRow("-h and a script") << QStringList{"-h", "sword.scp"} << 0 << "[file]" << QString();
    QTest::newRow("two scripts") << QStringList{"a.scp", "b.scp"} << 1 << "Only one script" << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << "Unknown option 'bogus'" << QString();
}

void CommandLineTest::theArgumentsDecideWhatStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, scriptPath);

    const CommandLine commandLine(QStringList{"defwright"} + arguments);

    QCOMPARE(commandLine.endsAtOnce(), !output.isEmpty()); // the window opens when nothing is printed
    QCOMPARE(commandLine.exitCode(), exitCode);
    QVERIFY2(commandLine.output().contains(output), qPrintable(commandLine.output()));
    QCOMPARE(commandLine.scriptPath(), scriptPath);
}

DEFWRIGHT_WINDOW_TEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
