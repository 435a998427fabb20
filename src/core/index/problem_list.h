#pragma once

#include "core/index/folder_check.h"

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// The names of the severities, by their number, as a list of problems shows them.
inline constexpr std::array<std::string_view, 3> kSeverityNames = {"Error", "Warning", "Hint"};

/// How a list of problems is ordered: by file and line, or by kind, then file and line.
enum class ProblemOrder { ByFile, ByKind };

/// What a list of problems shows: the severities ticked, the words typed.
struct ProblemFilter {
    std::array<bool, 3> severities = {true, true, true}; ///< by the severity's number
    std::string_view typed; ///< words (blanks between them) that the file or the message holds, in any order and case
};

/// The problems the filter lets through, in `order`.
[[nodiscard]] std::vector<FolderProblem> filteredProblems(std::span<const FolderProblem> problems,
                                                          const ProblemFilter& filter, ProblemOrder order);

/// The problems as text to paste elsewhere, one a line: "items/a.scp:12: message",
/// the file relative to `folder` with "/" between its parts, lines from 1.
[[nodiscard]] std::string problemsText(std::span<const FolderProblem> problems, const std::filesystem::path& folder);

} // namespace defwright
