#include "core/index/problem_list.h"

#include "core/index/scripts_folder.h"
#include "core/script/ascii_case.h"

#include <algorithm>
#include <tuple>

namespace defwright {
namespace {

bool holds(std::string_view text, std::string_view word)
{
    if (word.size() > text.size())
        return false;
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        if (equalsIgnoringCase(text.substr(at, word.size()), word))
            return true;
    }
    return false;
}

// Whether the problem's file or message holds every word typed.
bool matches(const FolderProblem& problem, std::string_view typed)
{
    const std::string file = utf8Path(problem.file);
    while (!typed.empty()) {
        const std::size_t start = std::min(typed.find_first_not_of(" \t"), typed.size());
        const std::size_t end = std::min(typed.find_first_of(" \t", start), typed.size());
        const std::string_view word = typed.substr(start, end - start);
        if (!word.empty() && !holds(file, word) && !holds(problem.message, word))
            return false;
        typed.remove_prefix(end);
    }
    return true;
}

} // namespace

std::vector<FolderProblem> filteredProblems(std::span<const FolderProblem> problems, const ProblemFilter& filter,
                                            ProblemOrder order)
{
    std::vector<FolderProblem> shown;
    std::copy_if(problems.begin(), problems.end(), std::back_inserter(shown), [&filter](const FolderProblem& problem) {
        return filter.severities.at(static_cast<std::size_t>(problem.severity)) && matches(problem, filter.typed);
    });
    const auto byFile = [](const FolderProblem& problem) { return std::tie(problem.file, problem.line, problem.message); };
    std::stable_sort(shown.begin(), shown.end(), [&](const FolderProblem& left, const FolderProblem& right) {
        if (order == ProblemOrder::ByKind && left.kind != right.kind)
            return left.kind < right.kind;
        return byFile(left) < byFile(right);
    });
    return shown;
}

std::string problemsText(std::span<const FolderProblem> problems, const std::filesystem::path& folder)
{
    std::string text;
    for (const FolderProblem& problem : problems)
        text.append(pathInFolder(problem.file, folder)).append(":").append(std::to_string(problem.line + 1)).append(": ")
            .append(problem.message).append("\n");
    return text;
}

} // namespace defwright
