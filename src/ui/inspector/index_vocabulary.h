#pragma once

#include "core/language/folder_vocabulary.h"

#include <QObject>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

namespace defwright {

class ScriptsIndex;

/// What the scripts folder writes (FolderVocabulary), kept up to date with
/// the index: each file's part is read on a worker thread when its text is
/// new, and added to the sum on the window's thread, so a file changed
/// costs that file alone.
class IndexVocabulary : public QObject {
    Q_OBJECT

public:
    IndexVocabulary(const ScriptsIndex* index, QObject* parent);
    ~IndexVocabulary() override;

    /// What the folder writes as known now; it stays as it is while the worker threads read it.
    [[nodiscard]] std::shared_ptr<const FolderVocabulary> vocabulary() const { return shared_; }

signals:
    void changed();

private:
    struct FilePart {
        std::shared_ptr<const std::string> text;
        FolderVocabulary vocabulary;
    };
    using Parts = std::map<std::filesystem::path, FilePart>;

    void startOver();
    void follow();
    void take(Parts read, quint64 generation);
    void publish();

    const ScriptsIndex* index_;
    FolderVocabulary sum_;
    std::shared_ptr<const FolderVocabulary> shared_ = std::make_shared<const FolderVocabulary>();
    Parts parts_;
    quint64 generation_ = 0; ///< counts the folders, so a reading of an older one is let go
    bool reading_ = false;
    bool readAgain_ = false;
};

} // namespace defwright
