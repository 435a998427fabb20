#include "ui/index/scripts_index.h"

#include "core/index/folder_indexing.h"
#include "core/index/scripts_folder.h"
#include "ui/documents/native_paths.h"
#include "ui/index/index_paths.h"

#include <QDirIterator>
#include <QSet>
#include <QEventLoop>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace defwright {
namespace {

// Runs `work` on the thread pool and hands its result to `done` on the thread
// of `receiver`. Nothing `work` throws leaves the worker: it ends with `failed`,
// what the window is to take instead.
template <typename Work, typename Done, typename Result = std::invoke_result_t<Work>>
void runInBackground(QObject* receiver, Work work, Done done, Result failed)
{
    auto* watcher = new QFutureWatcher<Result>(receiver);
    QObject::connect(watcher, &QFutureWatcher<Result>::finished, receiver, [watcher, done] {
        done(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run([work = std::move(work), failed = std::move(failed)]() -> Result {
        try {
            return work();
        } catch (...) {
            return failed;
        }
    }));
}


} // namespace

// What a listing of the folder found: the files the window can name, and the others.
struct Listing {
    QStringList files;
    std::vector<std::filesystem::path> unnamed;
};

ScriptsIndex::ScriptsIndex(QObject* parent)
    : QObject(parent)
    , watcher_(new QFileSystemWatcher(this))
{
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &ScriptsIndex::fileChanged);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &ScriptsIndex::folderChanged);
}

// The build must not outlive what it reports to.
ScriptsIndex::~ScriptsIndex()
{
    ending_->store(true);
    if (building_)
        building_->store(true);
    for (QFutureWatcherBase* watcher : findChildren<QFutureWatcherBase*>())
        watcher->waitForFinished();
}

void ScriptsIndex::setFolder(const QString& folder)
{
    if (building_)
        building_->store(true);
    building_.reset();
    ++generation_;
    folder_ = folder.isEmpty() ? QString() : canonicalPath(folder);
    index_ = FolderIndex();
    unnamed_.clear();
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (!watcher_->directories().isEmpty())
        watcher_->removePaths(watcher_->directories());
    if (folder_.isEmpty())
        emit built(0, 0);
    else
        startBuild();
}

// Finding the folder may list many folders near the file, so it is no work for the window's thread.
void ScriptsIndex::setFolderOf(const QString& file)
{
    const quint64 generation = generation_;
    ++findingFolder_;
    runInBackground(
        this,
        [fileFolder = toPath(QFileInfo(file).absolutePath())] {
            return canonicalPath(toQString(findScriptsFolder(fileFolder)));
        },
        [this, generation](const QString& folder) {
            --findingFolder_;
            if (generation == generation_ && !folder.isEmpty() && folder != folder_)
                setFolder(folder);
            else if (!isBuilding())
                emit built(static_cast<int>(index_.fileCount()), static_cast<int>(index_.sectionCount()));
        },
        QString());
}

void ScriptsIndex::startBuild()
{
    auto stop = std::make_shared<std::atomic<bool>>(false);
    building_ = stop;
    const quint64 generation = generation_;
    const std::filesystem::path folder = toPath(folder_);
    const auto report = [this, generation](std::size_t done, std::size_t total) {
        QMetaObject::invokeMethod(
            this,
            [this, generation, done, total] {
                if (generation == generation_)
                    emit progressed(static_cast<int>(done), static_cast<int>(total));
            },
            Qt::QueuedConnection);
    };
    runInBackground(
        this, [folder, report, stop] { return std::make_shared<FolderIndex>(indexFolder(folder, report, stop.get())); },
        [this, generation](const std::shared_ptr<FolderIndex>& result) {
            if (generation == generation_)
                finishBuild(result);
        },
        std::make_shared<FolderIndex>(folder));
}

// A file the window cannot name could be neither opened nor watched nor read
// again, so it leaves the index, and the folder check says why.
void ScriptsIndex::finishBuild(const std::shared_ptr<FolderIndex>& built)
{
    index_ = std::move(*built);
    building_.reset();
    for (const std::uint32_t file : index_.files()) {
        if (!namesFile(index_.filePath(file)))
            unnamed_.push_back(index_.filePath(file));
    }
    for (const std::filesystem::path& file : unnamed_)
        index_.removeFile(file);
    watchFolder();
    for (auto pane = paneTexts_.cbegin(); pane != paneTexts_.cend(); ++pane) {
        if (contains(pane.key()))
            summarizeLater(pane.key(), pane.value());
    }
    emit this->built(static_cast<int>(index_.fileCount()), static_cast<int>(index_.sectionCount()));
}

void ScriptsIndex::waitUntilBuilt()
{
    if (!isBuilding())
        return;
    QEventLoop loop;
    connect(this, &ScriptsIndex::built, &loop, &QEventLoop::quit);
    loop.exec();
}

bool ScriptsIndex::contains(const QString& path) const
{
    return !folder_.isEmpty() && path.startsWith(folder_ + QLatin1Char('/')) && isScriptPath(toPath(path));
}

void ScriptsIndex::setPaneText(const QString& path, std::string text)
{
    const QString file = canonicalPath(path);
    auto shared = std::make_shared<const std::string>(std::move(text));
    paneTexts_.insert(file, shared);
    if (contains(file) && !building_)
        summarizeLater(file, shared);
}

void ScriptsIndex::forgetPaneText(const QString& path)
{
    const QString file = canonicalPath(path);
    if (paneTexts_.remove(file) > 0 && contains(file) && !building_)
        summarizeLater(file, nullptr);
}

void ScriptsIndex::fileWritten(const QString& path, std::string text)
{
    const QString file = canonicalPath(path);
    if (!paneTexts_.contains(file) && contains(file) && !building_)
        summarizeLater(file, std::make_shared<const std::string>(std::move(text)));
}

// Only the last request of a file counts, whichever ends first.
void ScriptsIndex::summarizeLater(const QString& path, std::shared_ptr<const std::string> paneText)
{
    const quint64 request = ++lastRequest_;
    requests_.insert(path, request);
    runInBackground(
        this,
        [file = toPath(path), paneText]() -> std::shared_ptr<ScriptSummary> {
            if (paneText)
                return std::make_shared<ScriptSummary>(summarizeScript(*paneText));
            std::error_code error;
            if (!std::filesystem::is_regular_file(file, error))
                return nullptr;
            return std::make_shared<ScriptSummary>(summarizeFile(file));
        },
        [this, path, request](const std::shared_ptr<ScriptSummary>& summary) { apply(path, summary, request); },
        std::shared_ptr<ScriptSummary>());
}

// A file gone from disk leaves the index; one a build is still reading waits for the build.
void ScriptsIndex::apply(const QString& path, const std::shared_ptr<ScriptSummary>& summary, quint64 request)
{
    if (requests_.value(path) != request || building_ || !contains(path))
        return;
    requests_.remove(path);
    if (summary)
        index_.setFile(toPath(path), std::move(*summary));
    else
        index_.removeFile(toPath(path));
    emit changed();
}

void ScriptsIndex::watchFolder()
{
    QStringList paths = {folder_};
    QDirIterator folders(folder_, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext())
        paths << folders.next();
    for (const std::uint32_t file : index_.files())
        paths << toQString(index_.filePath(file));
    watcher_->addPaths(paths);
}

// Saving through a new file and renaming it takes the file off the watch list.
void ScriptsIndex::fileChanged(const QString& path)
{
    if (QFileInfo::exists(path))
        watcher_->addPath(path);
    if (!paneTexts_.contains(path) && !building_)
        summarizeLater(path, nullptr);
}

// Files came or went somewhere in the folder: list it again, off the window's thread.
void ScriptsIndex::folderChanged()
{
    if (building_)
        return;
    const quint64 generation = generation_;
    runInBackground(
        this,
        [folder = toPath(folder_), ending = ending_] {
            auto listing = std::make_shared<Listing>();
            for (const std::filesystem::path& file : listScriptFiles(folder, ending.get())) {
                if (namesFile(file))
                    listing->files << toQString(file);
                else
                    listing->unnamed.push_back(file);
            }
            return listing;
        },
        [this, generation](const std::shared_ptr<Listing>& listing) {
            if (listing && generation == generation_ && !building_)
                applyListing(*listing);
        },
        std::shared_ptr<Listing>());
}

void ScriptsIndex::applyListing(const Listing& listing)
{
    unnamed_ = listing.unnamed;
    const QStringList& files = listing.files;
    QSet<QString> listed(files.cbegin(), files.cend());
    for (const std::uint32_t file : index_.files()) {
        const QString path = toQString(index_.filePath(file));
        if (!listed.remove(path))
            summarizeLater(path, nullptr);
    }
    for (const QString& added : std::as_const(listed)) {
        summarizeLater(added, paneTexts_.value(added));
        watcher_->addPath(added);
    }
    QStringList folders;
    QDirIterator subfolders(folder_, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (subfolders.hasNext())
        folders << subfolders.next();
    folders.removeIf([this](const QString& folder) { return watcher_->directories().contains(folder); });
    if (!folders.isEmpty())
        watcher_->addPaths(folders);
}

} // namespace defwright
