#include "core/index/definition_search.h"
#include "core/index/folder_check.h"
#include "core/index/folder_index.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

using Rows = std::vector<std::string>;

// Each section as "KIND name (arguments) use", its aliases as "  alias@line".
Rows sectionsOf(std::string_view script)
{
    constexpr std::string_view kUses[] = {"definition", "part", "list"};
    Rows rows;
    for (const SectionEntry& section : summarizeScript(script).sections) {
        std::string row = section.kind + " " + std::string(section.name.text);
        if (!section.arguments.empty())
            row += " (" + std::string(section.arguments) + ")";
        rows.push_back(row + " " + std::string(kUses[static_cast<int>(section.use)]));
        for (const WrittenName& alias : section.aliases)
            rows.push_back("  " + std::string(alias.text) + "@" + std::to_string(alias.line));
    }
    return rows;
}

// The header forms of the sample scripts, and those of other collections.
TEST(HeaderForms, TheNameIsTheFirstWordAfterTheKindAndTheRestAreArguments)
{
    const std::pair<std::string_view, Rows> forms[] = {
        {"[ITEMDEF 0f5e]", {"ITEMDEF 0f5e definition"}},
        {"[itemdef i_name]\t// a note [x]", {"ITEMDEF i_name definition"}},
        {"[TYPEDEF t_weapon_thrown]//Throwing skill", {"TYPEDEF t_weapon_thrown definition"}},
        {"[FUNCTION f_trap]\t//trapcontainer,[type 1-3],[strength]", {"FUNCTION f_trap definition"}},
        {"[chardef 807]", {"CHARDEF 807 definition"}},
        {"   [EVENTS e_x]", {"EVENTS e_x definition"}},
        {"[REGIONTYPE r_default_rock t_rock]", {"REGIONTYPE r_default_rock (t_rock) definition"}},
        {"[DIALOG d_admin]\n[DIALOG d_admin TEXT]\n[DIALOG  d_admin  BUTTON ]",
         {"DIALOG d_admin definition", "DIALOG d_admin (TEXT) part", "DIALOG d_admin (BUTTON) part"}},
        {"[BOOK b_intro]\n[BOOK b_intro 1]", {"BOOK b_intro definition", "BOOK b_intro (1) part"}},
        {"[PLEVEL 1]\nADD\n[PLEVEL 1]", {"PLEVEL 1 list", "PLEVEL 1 list"}},
        {"[DEFNAME colours]\ncol_red 021\n  col_blue=02 // blue\n", {"DEFNAME colours list", "  col_red@1", "  col_blue@2"}},
        {"[TYPEDEFS]\nt_wand=27\n", {"TYPEDEFS  list", "  t_wand@1"}},
        {"[RESOURCES]\nitems/\n[STARTS]\nBritain\n", {"RESOURCES  list", "STARTS  list"}},
        {"[WORLDITEM 0eed]\nID=i_x\n[WORLDCHAR c_man]\n[SECTOR 1,2]", {}},
        {"[COMMENT notes]\nDEFNAME=i_x\n  [ITEMDEF i_in_comment]\nDEFNAME=i_y", {"ITEMDEF i_in_comment definition", "  i_y@3"}},
        {"[ITEMDEF i_a\nDEFNAME=i_not_of_i_a\n[SPEECH spk_pet]", {"SPEECH spk_pet definition"}},
        {"[TEMPLATE set_x]\nDEFNAME=tmp_x\nON=@Create\nDEFNAME=code_not_alias",
         {"TEMPLATE set_x definition", "  tmp_x@1"}},
        {"[CHARDEF c_x]\nDEFNAME2=c_x_too\n[FUNCTION f_y]\nDEFNAME=set_in_code", {"CHARDEF c_x definition", "  c_x_too@1", "FUNCTION f_y definition"}},
        {"[AREADEF a_castle]\n[MULTIDEF 04000]\nDEFNAME=m_tower", {"AREA a_castle definition", "ITEMDEF 04000 definition", "  m_tower@2"}},
        {"[DEFMESSAGE msgs]\nmsg_hello \"Hello\"\n[EVENTS e_x]\nDEFNAME=no_alias_of_events",
         {"DEFNAME msgs list", "  msg_hello@1", "EVENTS e_x definition"}},
        {"[SCRIPTED_KIND x_y more]", {"SCRIPTED_KIND x_y (more) definition"}},
        {"[eof]\n[ITEMDEF i_after_the_end]", {}},
    };
    for (const auto& [script, rows] : forms)
        EXPECT_EQ(sectionsOf(script), rows) << script;
}

TEST(HeaderForms, ALoadListIsKeptLineByLineWithoutComments)
{
    const ScriptSummary summary = summarizeScript(
        "[RESOURCES]\r\n// all we load\r\nitems/\r\n  core/defs.scp // the names\r\n\r\n"
        "crafting/interface/legacy skillmenu/\r\n//items/not_complete/\r\n[ITEMDEF i_x]\r\nTYPE=t_x\r\n");
    EXPECT_TRUE(summary.listsLoads);
    Rows lines;
    for (const LoadEntry& load : summary.loads)
        lines.push_back(std::string(load.path) + "@" + std::to_string(load.line));
    EXPECT_EQ(lines, (Rows{"items/@2", "core/defs.scp@3", "crafting/interface/legacy skillmenu/@5"}));
    EXPECT_FALSE(summarizeScript("[ITEMDEF i_x]").listsLoads);
}

// Lookups and clashes over one folder of these forms: a list's name is found
// on its own line, a dialog rather than its parts, and lists never clash.
class HeaderFormsFolder : public ::testing::Test {
protected:
    HeaderFormsFolder()
    {
        index_.setFile("scripts/a.scp", summarizeScript("[TYPEDEFS]\n// the numbers\nt_wand=27\nt_rune 28\n"
                                                         "[PLEVEL 1]\nADD\n[DIALOG d_admin TEXT]\nHello\n"
                                                         "[DIALOG d_admin]\npage 0\n[DEFNAME misc]\nm_one 1\n"));
        index_.setFile("scripts/b.scp", summarizeScript("[TYPEDEF t_wand]\nON=@DClick\n[PLEVEL 1]\nGO\n"
                                                         "[DIALOG d_admin BUTTON]\nON=1\n[BOOK b_pages 1]\nText\n"
                                                         "[DEFNAME misc]\nm_one 2\n[TYPEDEFS]\nt_rune 29\n"));
    }

    [[nodiscard]] Rows hitsOf(std::string_view name) const
    {
        Rows rows;
        for (const DefinitionHit& hit : findDefinitions(name, summarizeScript(""), {}, index_))
            rows.push_back(hit.shown);
        return rows;
    }

    FolderIndex index_{"scripts"};
};

TEST_F(HeaderFormsFolder, ListLinesAreFoundOnTheirLineAndDialogsRatherThanTheirParts)
{
    EXPECT_EQ(hitsOf("t_wand"), (Rows{"[TYPEDEFS] t_wand  a.scp:3", "[TYPEDEF t_wand]  b.scp:1"}));
    EXPECT_EQ(hitsOf("d_admin"), Rows{"[DIALOG d_admin]  a.scp:9"});
    EXPECT_EQ(hitsOf("b_pages"), Rows{"[BOOK b_pages 1]  b.scp:7"});
    EXPECT_TRUE(hitsOf("misc").empty());
    EXPECT_TRUE(hitsOf("1").empty());
}

TEST_F(HeaderFormsFolder, ListsAndPartsNeverClashButTheNamesOfListLinesDo)
{
    Rows rows;
    for (const FolderProblem& problem : checkFolder(index_))
        rows.push_back(problem.file.generic_string() + ":" + std::to_string(problem.line + 1) + " " + problem.message);
    EXPECT_EQ(rows, (Rows{
                        "scripts/a.scp:4 t_rune is defined 2 times; also at b.scp:12",
                        "scripts/a.scp:12 m_one is defined 2 times; also at b.scp:10",
                        "scripts/b.scp:10 m_one is defined 2 times; also at a.scp:12",
                        "scripts/b.scp:12 t_rune is defined 2 times; also at a.scp:4",
                    }));
}

} // namespace
} // namespace defwright
