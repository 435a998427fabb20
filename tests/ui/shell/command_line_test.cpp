#include "files/file_test_support.h"
#include "ui/shell/command_line.h"

#include <QDir>

using namespace defwright;
using namespace defwright::test;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Defwright"));
        QCoreApplication::setApplicationVersion(QStringLiteral("1.4"));
    }
    void init() { settings_ = std::make_unique<TemporarySettings>(); }
    void theArgumentsDecideWhatStarts_data();
    void theArgumentsDecideWhatStarts();
    void aScriptNamedAtStartOpensIntoTheItemPane();

private:
    std::unique_ptr<TemporarySettings> settings_;
};

void CommandLineTest::theArgumentsDecideWhatStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("endsAtOnce");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("scriptPath");
    const QString here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList() << false << 0 << QString() << QString();
    QTest::newRow("a script") << QStringList{"sword.scp"} << false << 0 << QString() << here + "/sword.scp";
    QTest::newRow("a full path") << QStringList{"/srv/scripts/orc.scp"} << false << 0 << QString()
                                 << "/srv/scripts/orc.scp";
    QTest::newRow("--version") << QStringList{"--version"} << true << 0 << "Defwright 1.4\n" << QString();
    QTest::newRow("--help") << QStringList{"--help"} << true << 0 << "[file]" << QString();
    QTest::newRow("-h and a script") << QStringList{"-h", "sword.scp"} << true << 0 << "Usage:" << QString();
    QTest::newRow("two scripts") << QStringList{"a.scp", "b.scp"} << true << 1 << "Only one script" << QString();
    QTest::newRow("unknown option") << QStringList{"--bogus"} << true << 1 << "Unknown option 'bogus'" << QString();
}

void CommandLineTest::theArgumentsDecideWhatStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, endsAtOnce);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, scriptPath);

    const CommandLine commandLine(QStringList{QStringLiteral("defwright")} + arguments);

    QCOMPARE(commandLine.endsAtOnce(), endsAtOnce);
    QCOMPARE(commandLine.exitCode(), exitCode);
    QVERIFY2(commandLine.output().contains(output), qPrintable(commandLine.output()));
    QCOMPARE(commandLine.scriptPath(), scriptPath);
}

// As File > Open does, caption and all. A missing file is refused as by
// Open: see the File safety tests.
void CommandLineTest::aScriptNamedAtStartOpensIntoTheItemPane()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sword.scp"));
    writeFile(path, "[ITEMDEF i_sword]\r\n");
    MainWindow window;
    window.openItemScript(path);
    QCOMPARE(pane(window, "txtEdit")->script(), QStringLiteral("[ITEMDEF i_sword]\r\n"));
    QCOMPARE(window.windowTitle(), QStringLiteral("File : ") + path);
}

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
