#pragma once

#include "core/files/script_format.h"

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace defwright {

struct BoundedFileRead;

/// A .scp file on disk: script text in the format its bytes say (see
/// detectFormat()), read whole and written whole.
class ScriptFile {
    Q_DECLARE_TR_FUNCTIONS(ScriptFile)

public:
    /// Larger files are refused: the script pane slows to a crawl long before.
    static constexpr qint64 kMaxBytes = qint64{64} * 1024 * 1024;

    /// The whole text of the file, or why it could not be read.
    struct Contents {
        std::string script; ///< as a script pane holds it: UTF-8, line breaks as in the file
        ScriptFormat format;
        QString error; ///< empty when the file was read
    };

    explicit ScriptFile(QString path);

    /// Reads the whole file and decodes it in the format its bytes have.
    /// Never waits on a pipe or a device, and never reads more than one byte
    /// past kMaxBytes, whatever size the file system gives.
    [[nodiscard]] Contents read() const;

    /// Writes the bytes, and nothing else. An existing file is replaced
    /// only once the new one is complete, so a failed write leaves it as it
    /// was. Returns the reason of a failure, or an empty string.
    [[nodiscard]] QString write(std::string_view encodedScript) const;

    /// Why the path cannot be a script file: it is a folder, a named pipe, a
    /// socket or a device. Empty for an ordinary file and for nothing at all.
    /// Save As asks it before writing.
    [[nodiscard]] QString notAFileReason() const;

private:
    [[nodiscard]] static QString refusal(const BoundedFileRead& read);

    QString path_;
};

} // namespace defwright
