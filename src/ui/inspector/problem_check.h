#pragma once

#include "core/language/folder_vocabulary.h"
#include "ui/inspector/inspected_definition.h"

#include <QObject>

#include <memory>
#include <optional>
#include <vector>

namespace defwright {

/// Checks the definition the inspector shows on a worker thread, so a long
/// one, or one full of keys the language does not know (each looked up for
/// a "did you mean"), never holds the window up. One check runs at a time;
/// asked again meanwhile, it checks the latest definition once it is done.
class ProblemCheck : public QObject {
    Q_OBJECT

public:
    using Problems = std::vector<std::vector<RowProblem>>; ///< by row

    explicit ProblemCheck(QObject* parent);
    ~ProblemCheck() override;

    /// Checks the definition; `revision` comes back with its problems.
    void check(std::shared_ptr<const InspectedDefinition> definition,
               std::shared_ptr<const FolderVocabulary> vocabulary, quint64 revision);

signals:
    void checked(quint64 revision, const defwright::ProblemCheck::Problems& problems);

private:
    struct Request {
        std::shared_ptr<const InspectedDefinition> definition;
        std::shared_ptr<const FolderVocabulary> vocabulary;
        quint64 revision = 0;
    };

    void start(Request request);

    bool running_ = false;
    std::optional<Request> waiting_;
};

} // namespace defwright
