#include "ui/inspector/index_vocabulary.h"

#include "ui/index/scripts_index.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace defwright {

IndexVocabulary::IndexVocabulary(const ScriptsIndex* index, QObject* parent)
    : QObject(parent)
    , index_(index)
{
    connect(index_, &ScriptsIndex::built, this, &IndexVocabulary::startOver);
    connect(index_, &ScriptsIndex::changed, this, &IndexVocabulary::follow);
}

// The reading must not outlive what it reports to.
IndexVocabulary::~IndexVocabulary()
{
    for (QFutureWatcherBase* watcher : findChildren<QFutureWatcherBase*>())
        watcher->waitForFinished();
}

void IndexVocabulary::startOver()
{
    ++generation_;
    sum_ = {};
    parts_.clear();
    publish();
    follow();
}

// Files gone are taken out at once; new texts are read off the window's
// thread, one reading at a time.
void IndexVocabulary::follow()
{
    if (reading_) {
        readAgain_ = true;
        return;
    }
    const FolderIndex& index = index_->index();
    Parts unread;
    Parts kept;
    for (const std::uint32_t file : index.files()) {
        const std::shared_ptr<const std::string>& text = index.summary(file).text;
        const auto known = parts_.find(index.filePath(file));
        if (known != parts_.end() && known->second.text == text)
            kept.insert(parts_.extract(known));
        else if (text)
            unread[index.filePath(file)].text = text;
    }
    for (const auto& [path, part] : parts_)
        removeVocabulary(sum_, part.vocabulary);
    const bool removed = !parts_.empty();
    parts_ = std::move(kept);
    if (removed)
        publish();
    if (unread.empty())
        return;
    reading_ = true;
    auto* watcher = new QFutureWatcher<Parts>(this);
    connect(watcher, &QFutureWatcher<Parts>::finished, this, [this, watcher, generation = generation_] {
        take(watcher->result(), generation);
        watcher->deleteLater();
    });
    // Nothing the reading throws leaves the worker: the files are then taken as saying nothing.
    watcher->setFuture(QtConcurrent::run([unread = std::move(unread)] {
        Parts read = unread;
        try {
            for (auto& [path, part] : read)
                addScriptVocabulary(part.vocabulary, *part.text);
        } catch (...) {
            for (auto& [path, part] : read)
                part.vocabulary = {};
        }
        return read;
    }));
}

void IndexVocabulary::take(Parts read, quint64 generation)
{
    reading_ = false;
    if (generation == generation_) {
        for (auto& [path, part] : read) {
            addVocabulary(sum_, part.vocabulary);
            parts_[path] = std::move(part);
        }
        publish();
    }
    if (std::exchange(readAgain_, false) || generation != generation_)
        follow();
}

void IndexVocabulary::publish()
{
    shared_ = std::make_shared<const FolderVocabulary>(sum_);
    emit changed();
}

} // namespace defwright
