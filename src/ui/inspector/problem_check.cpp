#include "ui/inspector/problem_check.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace defwright {

ProblemCheck::ProblemCheck(QObject* parent)
    : QObject(parent)
{
}

// The check must not outlive what it reports to.
ProblemCheck::~ProblemCheck()
{
    for (QFutureWatcherBase* watcher : findChildren<QFutureWatcherBase*>())
        watcher->waitForFinished();
}

void ProblemCheck::check(std::shared_ptr<const InspectedDefinition> definition,
                         std::shared_ptr<const FolderVocabulary> vocabulary, quint64 revision)
{
    Request request{std::move(definition), std::move(vocabulary), revision};
    if (running_)
        waiting_ = std::move(request);
    else
        start(std::move(request));
}

// Nothing the check throws leaves the worker: the rows then show no problems.
void ProblemCheck::start(Request request)
{
    running_ = true;
    auto* watcher = new QFutureWatcher<Problems>(this);
    connect(watcher, &QFutureWatcher<Problems>::finished, this, [this, watcher, revision = request.revision] {
        running_ = false;
        const Problems problems = watcher->result();
        watcher->deleteLater();
        if (waiting_)
            start(*std::exchange(waiting_, std::nullopt));
        else
            emit checked(revision, problems);
    });
    watcher->setFuture(QtConcurrent::run([request = std::move(request)]() -> Problems {
        try {
            return rowProblems(*request.definition, *request.vocabulary);
        } catch (...) {
            return Problems(request.definition->shown.size());
        }
    }));
}

} // namespace defwright
