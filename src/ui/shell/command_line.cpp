#include "ui/shell/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>

namespace defwright {

CommandLine::CommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr("Writes item and NPC definition scripts (.scp) for a game server."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 tr("A .scp script to open in the item script pane, under a tab of its own."),
                                 QStringLiteral("[file]"));
    if (!parser.parse(arguments)) {
        fail(parser.errorText());
        return;
    }
    const bool helpAsked = parser.isSet(help) || parser.isSet(QStringLiteral("help-all"));
    if (helpAsked || parser.isSet(version)) {
        endsAtOnce_ = true;
        output_ = helpAsked ? parser.helpText()
                                     : QCoreApplication::applicationName() + u' '
                                           + QCoreApplication::applicationVersion() + u'\n';
        return;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        fail(tr("Only one script can be opened at a time."));
    else if (!files.isEmpty())
        scriptPath_ = QFileInfo(files.constFirst()).absoluteFilePath();
}

// As QCommandLineParser::process() does: the mistake and a pointer to --help.
void CommandLine::fail(const QString& message)
{
    endsAtOnce_ = true;
    exitCode_ = 1;
    output_ = message + u'\n' + tr("Run with --help to see the options.") + u'\n';
}

int CommandLine::report() const
{
    std::fputs(qPrintable(output_), exitCode_ == 0 ? stdout : stderr);
    return exitCode_;
}

} // namespace defwright
