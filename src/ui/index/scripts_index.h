#pragma once

#include "core/index/folder_index.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QFileSystemWatcher;

namespace defwright {

struct Listing;

/// The index of one scripts folder, for the window. It is built on a worker
/// thread, never on the window's, and kept up to date: with the files on disk
/// as they change, and with the text of panes that hold a file of the folder
/// (what a pane holds wins over its file).
class ScriptsIndex : public QObject {
    Q_OBJECT

public:
    explicit ScriptsIndex(QObject* parent = nullptr);
    ~ScriptsIndex() override;

    /// Indexes the folder anew; an empty path forgets the folder.
    void setFolder(const QString& folder);
    [[nodiscard]] const QString& folder() const { return folder_; }

    /// Indexes the scripts folder of the file (see findScriptsFolder()), found
    /// off the window's thread, unless it is the folder indexed already.
    void setFolderOf(const QString& file);

    /// Whether the folder is still being found or indexed.
    [[nodiscard]] bool isBuilding() const { return building_ != nullptr || findingFolder_ > 0; }
    /// What is known so far; empty until the first build ends.
    [[nodiscard]] const FolderIndex& index() const { return index_; }

    /// Runs the window's events until the build has ended, so the window keeps
    /// drawing and answering meanwhile.
    void waitUntilBuilt();

    /// A pane holds the file at `path` with this text (UTF-8), which wins over the file.
    void setPaneText(const QString& path, std::string text);
    /// The pane no longer differs from its file, or no longer holds it.
    void forgetPaneText(const QString& path);

    /// A file of the folder that no pane holds was written with this text
    /// (UTF-8, as a pane holds it): indexed from it, not read again.
    void fileWritten(const QString& path, std::string text);

    [[nodiscard]] bool contains(const QString& path) const;

    /// The scripts of the folder left out because their names are not valid in
    /// the system's encoding: the window could neither open nor watch them.
    [[nodiscard]] const std::vector<std::filesystem::path>& unnamedFiles() const { return unnamed_; }

signals:
    void progressed(int done, int total);
    /// The build of the folder ended; `sections` were found in `files`.
    void built(int files, int sections);
    /// A file was indexed again, added or taken away.
    void changed();

private:
    void startBuild();
    void finishBuild(const std::shared_ptr<FolderIndex>& built);
    void summarizeLater(const QString& path, std::shared_ptr<const std::string> paneText);
    void apply(const QString& path, const std::shared_ptr<ScriptSummary>& summary, quint64 request);
    void watchFolder();
    void fileChanged(const QString& path);
    void folderChanged();
    void applyListing(const Listing& listing);

    QString folder_;
    FolderIndex index_;
    std::shared_ptr<std::atomic<bool>> building_;
    // Set as the index goes, so a listing still running ends early rather than hold it up.
    std::shared_ptr<std::atomic<bool>> ending_ = std::make_shared<std::atomic<bool>>(false);
    quint64 generation_ = 0; ///< counts the folders set, so a build of an older one is let go
    quint64 lastRequest_ = 0;
    int findingFolder_ = 0;
    QHash<QString, quint64> requests_; ///< the last request to index each file again
    QHash<QString, std::shared_ptr<const std::string>> paneTexts_;
    std::vector<std::filesystem::path> unnamed_;
    QFileSystemWatcher* watcher_;
};

} // namespace defwright
