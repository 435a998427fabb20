#include "core/index/folder_script_check.h"

#include "core/index/folder_index.h"
#include "core/language/script_check.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>
#include <tuple>

namespace defwright {
namespace {

constexpr unsigned kMostThreads = 8;

constexpr std::array<FolderProblem::Severity, 3> kSeverities = {
    FolderProblem::Severity::Error, FolderProblem::Severity::Warning, FolderProblem::Severity::Hint};

void sortByPlace(std::vector<FolderProblem>& problems)
{
    std::stable_sort(problems.begin(), problems.end(), [](const FolderProblem& left, const FolderProblem& right) {
        return std::tie(left.file, left.line) < std::tie(right.file, right.line);
    });
}

// The problems of one file, each at the line its span begins on; the
// problems come in the order of their spans, so the lines are counted once.
std::vector<FolderProblem> fileProblems(const FolderIndex& index, std::uint32_t file)
{
    const ScriptSummary& summary = index.summary(file);
    const std::string_view text = summary.text ? std::string_view(*summary.text) : std::string_view();
    std::vector<FolderProblem> problems;
    std::size_t counted = 0;
    std::uint32_t line = 0;
    for (ScriptProblem& problem : checkScript(text, index.vocabulary())) {
        for (; counted < problem.span.start; ++counted) {
            const char character = text[counted];
            line += character == '\n' || (character == '\r' && (counted + 1 == text.size() || text[counted + 1] != '\n'));
        }
        if (std::binary_search(summary.unclosedHeaders.begin(), summary.unclosedHeaders.end(), line))
            continue;
        problems.push_back({FolderProblem::Kind::Language, kSeverities.at(static_cast<std::size_t>(problem.severity)),
                            index.filePath(file), line, std::move(problem.message)});
    }
    return problems;
}

} // namespace

std::vector<FolderProblem> checkFolderScripts(const FolderIndex& index)
{
    std::vector<std::uint32_t> files = index.files();
    std::erase_if(files, [&index](std::uint32_t file) { return !index.isLoaded(file); });
    std::vector<std::vector<FolderProblem>> found(files.size());
    std::atomic<std::size_t> next = 0;
    const auto work = [&] {
        for (std::size_t at = next++; at < files.size(); at = next++)
            found[at] = fileProblems(index, files[at]);
    };
    {
        const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1U, kMostThreads);
        std::vector<std::jthread> helpers;
        for (unsigned i = 1; i < std::min<std::size_t>(threads, files.size()); ++i)
            helpers.emplace_back(work);
        work();
    }
    std::vector<FolderProblem> problems;
    for (std::vector<FolderProblem>& ofFile : found)
        std::move(ofFile.begin(), ofFile.end(), std::back_inserter(problems));
    sortByPlace(problems);
    return problems;
}

std::vector<FolderProblem> checkFolderWithScripts(const FolderIndex& index)
{
    std::vector<FolderProblem> problems = checkFolder(index);
    std::vector<FolderProblem> scripts = checkFolderScripts(index);
    std::move(scripts.begin(), scripts.end(), std::back_inserter(problems));
    sortByPlace(problems);
    return problems;
}

} // namespace defwright
