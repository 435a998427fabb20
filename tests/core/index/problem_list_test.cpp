#include "core/index/problem_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

using Kind = FolderProblem::Kind;

const std::vector<FolderProblem> kProblems = {
    folderProblem(Kind::Undefined, "scripts/npcs/b.scp", 4, "ITEM=i_gold: i_gold is defined nowhere in the folder"),
    folderProblem(Kind::DefinedTwice, "scripts/items/a.scp", 9, "i_x is defined 2 times; also at npcs/b.scp:2"),
    folderProblem(Kind::NotLoaded, "scripts/legacy", 0, "The server loads none of the 2 scripts in legacy/"),
    folderProblem(Kind::Undefined, "scripts/items/a.scp", 2, "TEVENTS=e_x: e_x is defined nowhere in the folder"),
};

// Each case: the severities ticked, the words typed, the order, and the problems shown by their line.
TEST(ProblemList, FilteredBySeverityAndWordsAndSortedByFileOrKind)
{
    struct Case {
        std::array<bool, 3> severities;
        std::string_view typed;
        ProblemOrder order;
        std::vector<std::uint32_t> lines;
    };
    const Case cases[] = {
        {{true, true, true}, "", ProblemOrder::ByFile, {2, 9, 0, 4}},
        {{true, true, true}, "", ProblemOrder::ByKind, {9, 2, 4, 0}},
        {{true, false, false}, "", ProblemOrder::ByFile, {2, 4}},
        {{false, true, true}, "", ProblemOrder::ByFile, {9, 0}},
        {{true, true, true}, "NOWHERE items/", ProblemOrder::ByFile, {2}},
        {{true, true, true}, "  legacy   ", ProblemOrder::ByFile, {0}},
        {{true, true, true}, "i_gold e_x", ProblemOrder::ByFile, {}},
    };
    for (const Case& expected : cases) {
        std::vector<std::uint32_t> lines;
        for (const FolderProblem& problem : filteredProblems(kProblems, {expected.severities, expected.typed}, expected.order))
            lines.push_back(problem.line);
        EXPECT_EQ(lines, expected.lines) << expected.typed;
    }
}

TEST(ProblemList, CopiedAsFileLineAndMessageOneALine)
{
    EXPECT_EQ(problemsText(std::span(kProblems).first(3), "scripts"),
              "npcs/b.scp:5: ITEM=i_gold: i_gold is defined nowhere in the folder\n"
              "items/a.scp:10: i_x is defined 2 times; also at npcs/b.scp:2\n"
              "legacy:1: The server loads none of the 2 scripts in legacy/\n");
    EXPECT_EQ(problemsText({}, "scripts"), "");
    EXPECT_EQ(kProblems[1].severity, FolderProblem::Severity::Warning);
    EXPECT_EQ(kSeverityNames[static_cast<std::size_t>(kProblems[2].severity)], "Hint");
}

} // namespace
} // namespace defwright
