#pragma once

#include <QCoreApplication>
#include <QString>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTemporaryFile;

namespace defwright {

/// Files written anew all together or not at all. Each new text is written
/// whole beside its file first; only once every one is ready are they put in
/// place, each replacing its file in one step as QSaveFile does. Should one
/// not go in, those put in before it get their old bytes back.
class StagedFiles {
    Q_DECLARE_TR_FUNCTIONS(StagedFiles)

public:
    StagedFiles();
    /// What was staged and not put in place is removed.
    ~StagedFiles();
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    /// Writes `bytes` beside the file at `path` (beside the file a link
    /// points to, so the link stays), with the file's permissions, keeping
    /// `old`, the bytes it holds now, to put back. Returns why it could not,
    /// or nothing.
    [[nodiscard]] QString stage(const QString& path, std::string_view bytes, std::string old);

    /// Puts every staged file in place, in the order staged. Returns why one
    /// could not be, or nothing; then none has changed, unless even putting
    /// the old bytes back failed, which the reason says.
    [[nodiscard]] QString commit();

    [[nodiscard]] std::size_t size() const { return staged_.size(); }

private:
    struct Staged {
        QString path;
        QString target; ///< the file itself, links followed
        std::unique_ptr<QTemporaryFile> written;
        std::string old;
    };

    [[nodiscard]] QString putBack(std::size_t count);

    std::vector<Staged> staged_;
};

} // namespace defwright
