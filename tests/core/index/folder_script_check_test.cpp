#include "core/index/definition_preview.h"
#include "core/index/folder_index.h"
#include "core/index/folder_script_check.h"
#include "core/index/problem_list.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace defwright {
namespace {

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
