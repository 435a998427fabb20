#pragma once

#include "core/language/folder_vocabulary.h"

#include <QObject>

#include <memory>
#include <string>
#include <vector>

namespace defwright {

class ScriptsIndex;

/// The folder's vocabulary as the checks of the panes use it: a copy of the
/// index's, which a check on a worker thread may keep while the index goes
/// on. It is told as changed only when what it accepts changes, not at every
/// use counted, since every document shown is then checked again.
class VocabularySource : public QObject {
    Q_OBJECT

public:
    VocabularySource(const ScriptsIndex* index, QObject* parent);

    [[nodiscard]] std::shared_ptr<const FolderVocabulary> vocabulary() const { return vocabulary_; }
    [[nodiscard]] const ScriptsIndex* index() const { return index_; }

signals:
    /// A kind, key or trigger is accepted now that was not, or the reverse.
    void changed();

private:
    void follow();

    const ScriptsIndex* index_;
    std::shared_ptr<const FolderVocabulary> vocabulary_ = std::make_shared<const FolderVocabulary>();
    std::vector<std::string> accepted_; // what the folder's uses make acceptable, each as one word
};

} // namespace defwright
