#include "core/index/definition_preview.h"
#include "core/index/folder_index.h"
#include "core/index/folder_script_check.h"
#include "core/index/problem_list.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
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

using Rows = std::vector<std::string>;

// Each problem as "file line severity message", the line from 1.
Rows rowsOf(const std::vector<FolderProblem>& problems)
{
    Rows rows;
    for (const FolderProblem& problem : problems) {
        rows.push_back(problem.file.filename().string() + " " + std::to_string(problem.line + 1) + " "
                       + std::string(kSeverityNames.at(static_cast<std::size_t>(problem.severity)).substr(0, 1)) + " "
                       + problem.message);
    }
    return rows;
}

// The lines are counted in every kind of line break; a header without its
// "]" is the folder check's own problem and comes once.
TEST(FolderScriptCheck, EveryLoadedScriptsFaultsAtTheirLinesWithTheirSeverity)
{
    FolderIndex index("scripts");
    index.setFile("scripts/b.scp", summarizeScript("[CHARDEF c_a]\r\nDEXX=1\r\n[ITEMDEF i_b\nON=@Create\rIF 1\r\n"));
    index.setFile("scripts/a.scp", summarizeScript("[ITEMDEF i_a]\nWEIGHT=1\nWEIGTH=2\n"));
    EXPECT_EQ(rowsOf(checkFolderScripts(index)), (Rows{
                                                     "a.scp 3 W Unknown ITEMDEF key WEIGTH: did you mean WEIGHT?",
                                                     "b.scp 2 W Unknown CHARDEF key DEXX: did you mean DEX?",
                                                     "b.scp 5 E IF never closed: ENDIF missing",
                                                 }));
    const Rows all = rowsOf(checkFolderWithScripts(index));
    EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const std::string& row) { return row.starts_with("b.scp 3 "); }),
              1);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(), [](const std::string& left, const std::string& right) {
        return left.substr(0, left.find(' ')) < right.substr(0, right.find(' '));
    }));
}

// What a hover shows of a definition found by its name.
TEST(DefinitionPreview, TheHeaderAndItsNameIdAndTypeLines)
{
    const std::string_view text = "[ITEMDEF 0a25]\n  DEFNAME=i_lantern\n\tNAME=lantern \nWEIGHT=2\ntype=t_light_out\r\n"
                                  "ON=@Click\nNAME=other\n[DEFNAME misc]\ni_shirt 0x1517\n";
    EXPECT_EQ(definitionPreview(text, 0),
              (std::vector<std::string_view>{"[ITEMDEF 0a25]", "NAME=lantern", "type=t_light_out"}));
    EXPECT_EQ(definitionPreview(text, text.find("i_shirt")), std::vector<std::string_view>{"i_shirt 0x1517"});
    EXPECT_EQ(definitionPreview(text, text.size() + 5).size(), 1U); // past the end: an empty last line, no crash
}

} // namespace
} // namespace defwright
