#include "core/index/folder_indexing.h"

#include "core/index/scripts_folder.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace defwright {
namespace {

constexpr unsigned kMostThreads = 8;

// Summarizes files, taking the next unread one until none is left.
class SharedWork {
public:
    SharedWork(const std::vector<std::filesystem::path>& files, const std::atomic<bool>* stop)
        : files_(files)
        , summaries_(files.size())
        , stop_(stop)
    {
    }

    // Returns whether a file was summarized.
    bool summarizeNext()
    {
        if (stop_ != nullptr && stop_->load(std::memory_order_relaxed))
            return false;
        const std::size_t file = next_.fetch_add(1);
        if (file >= files_.size())
            return false;
        summaries_[file] = summarizeFile(files_[file]);
        done_.fetch_add(1);
        return true;
    }

    [[nodiscard]] std::size_t done() const { return done_.load(); }
    [[nodiscard]] std::vector<ScriptSummary>& summaries() { return summaries_; }

private:
    const std::vector<std::filesystem::path>& files_;
    std::vector<ScriptSummary> summaries_;
    const std::atomic<bool>* stop_;
    std::atomic<std::size_t> next_ = 0;
    std::atomic<std::size_t> done_ = 0;
};

} // namespace

ScriptSummary summarizeFile(const std::filesystem::path& file)
{
    std::optional<std::string> text = readScriptText(file);
    return text ? summarizeScript(std::make_shared<const std::string>(std::move(*text))) : ScriptSummary();
}

FolderIndex indexFolder(const std::filesystem::path& folder, const IndexProgress& progress,
                        const std::atomic<bool>* stop)
{
    const std::vector<std::filesystem::path> files = listScriptFiles(folder, stop);
    SharedWork work(files, stop);
    const unsigned helpers = std::clamp(std::thread::hardware_concurrency(), 1U, kMostThreads) - 1;
    {
        std::vector<std::jthread> threads;
        for (unsigned i = 0; i < std::min<std::size_t>(helpers, files.size()); ++i)
            threads.emplace_back([&work] {
                while (work.summarizeNext()) {
                }
            });
        while (work.summarizeNext()) {
            if (progress)
                progress(work.done(), files.size());
        }
    }
    if (progress)
        progress(work.done(), files.size());
    FolderIndex index(folder);
    std::vector<std::pair<std::filesystem::path, ScriptSummary>> summaries;
    summaries.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        summaries.emplace_back(files[i], std::move(work.summaries()[i]));
    index.setFiles(std::move(summaries));
    return index;
}

} // namespace defwright
