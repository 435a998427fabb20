#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace defwright {

/// What the program was asked on its command line: a script to open at
/// start, or only its help or version to print.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    /// Reads the arguments as QCoreApplication::arguments() gives them, the
    /// program's own name first and the toolkit's options already taken out.
    explicit CommandLine(const QStringList& arguments);

    /// True when the program should print output() and end with exitCode()
    /// instead of opening its window.
    [[nodiscard]] bool endsAtOnce() const { return endsAtOnce_; }
    [[nodiscard]] int exitCode() const { return exitCode_; }
    [[nodiscard]] const QString& output() const { return output_; }

    /// The script to open in the item pane, made absolute; empty for none.
    [[nodiscard]] const QString& scriptPath() const { return scriptPath_; }

    /// Prints output(), to standard error when it reports a mistake, and
    /// returns exitCode().
    int report() const;

private:
    void fail(const QString& message);

    bool endsAtOnce_ = false;
    int exitCode_ = 0;
    QString output_;
    QString scriptPath_;
};

} // namespace defwright
