#include "core/files/line_breaks.h"
#include "core/index/definition_name.h"
#include "core/index/definition_search.h"
#include "core/index/folder_check.h"
#include "core/index/folder_index.h"
#include "core/index/reference_names.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

TEST(DefinitionName, IdsMatchInEveryFormAndNamesInAnyCase)
{
    for (const std::string_view same : {"0x0a25", "0A25", "00a25"})
        EXPECT_EQ(nameKey(same), nameKey("0a25")) << same;
    EXPECT_NE(nameKey("0a25"), nameKey("a25"));
    EXPECT_EQ(nameKey("0"), nameKey("0x0"));
    EXPECT_EQ(nameKey("0"), nameKey("000"));
    EXPECT_NE(nameKey("01"), nameKey("010"));
    EXPECT_EQ(nameKey("I_Lantern"), "i_lantern");
    EXPECT_TRUE(isIdNumber("0x0A25"));
    for (const std::string_view notAnId : {"0x", "a25", "0g"})
        EXPECT_FALSE(isIdNumber(notAnId)) << notAnId;
    EXPECT_TRUE(isDefinitionName("_t1"));
    EXPECT_FALSE(isDefinitionName("1t"));
    EXPECT_FALSE(isDefinitionName("i.x"));
}

TEST(DefinitionName, TheNameAtTheCaretStopsAtDotsAndOtherCharacters)
{
    const std::pair<std::size_t, std::string_view> nameAtCaret[] = {
        {8, "e_horse"}, {12, "e_horse"}, {15, "e_horse"}, {17, "e_rider"}, {24, "e_rider"},
        {0, "TEVENTS"}, {27, ""},        {999, "x"}};
    for (const auto& [caret, name] : nameAtCaret)
        EXPECT_EQ(nameAt("TEVENTS=e_horse,.e_rider. // x", caret), name) << caret;
    // As the samples join names to what they ask of them: the caret anywhere in the name finds it.
    const std::pair<std::string_view, std::string_view> joined[] = {
        {"src.sysmessage <DEF.dam_physical>", "dam_physical"},
        {"IF <isevent.t_container_locked>", "t_container_locked"},
        {"SRC.FINDID.i_mt_horse_gray.REMOVE", "i_mt_horse_gray"},
        {"message <i_lantern.NAME>", "i_lantern"},
    };
    for (const auto& [line, name] : joined) {
        const std::size_t first = line.find(name);
        for (std::size_t caret = first; caret <= first + name.size(); ++caret)
            EXPECT_EQ(nameAt(line, caret), name) << line << " at " << caret;
    }
    EXPECT_EQ(nameAt("SRC.ITEM.NAME", 5), "ITEM");
    EXPECT_EQ(nameAt("", 0), "");
}

std::vector<std::string> names(std::string_view key, std::string_view value)
{
    const std::vector<std::string_view> found = referencedNames(key, value);
    return {found.begin(), found.end()};
}

TEST(ReferenceNames, EachNamingKeyReadsItsOwnForm)
{
    using Names = std::vector<std::string>;
    EXPECT_EQ(names("TYPE", "t_light_out"), Names{"t_light_out"});
    EXPECT_EQ(names("DUPEITEM", "0a25"), Names{"0a25"});
    EXPECT_EQ(names("ITEM", "i_gold,{10 50}"), Names{"i_gold"});
    EXPECT_EQ(names("ITEMNEWBIE", "{ i_shirt 2 i_robe 1 }"), Names({"i_shirt", "i_robe"}));
    EXPECT_EQ(names("ITEM", "{ i_servered_human_ears 1 0 9 }"), Names{"i_servered_human_ears"});
    EXPECT_EQ(names("TEVENTS", "+e_horse, -e_rider,e_x"), Names({"e_horse", "e_rider", "e_x"}));
    const std::pair<std::string_view, std::string_view> nothingNamed[] = {
        {"ITEM", "0a25"}, {"EVENTS", "<SRC.EVENTS>"}, {"TYPE", "<eval <t_x>>"}, {"NAME", "i_lantern"}, {"TYPE", ""}};
    for (const auto& [key, value] : nothingNamed)
        EXPECT_EQ(names(key, value), Names{}) << key << "=" << value;
}

// The summary as rows: each section "KIND name@line title", its aliases
// "  alias@line", then each reference "KEY=name@line" and each header without
// its "]" as "[@line".
std::vector<std::string> summaryRows(const ScriptSummary& summary)
{
    const auto at = [](std::string_view text, std::uint32_t line) {
        return std::string(text) + "@" + std::to_string(line);
    };
    std::vector<std::string> rows;
    for (const SectionEntry& section : summary.sections) {
        rows.push_back(section.kind + " " + at(section.name.text, section.name.line) + " "
                       + std::string(section.title));
        for (const WrittenName& alias : section.aliases)
            rows.push_back("  " + at(alias.text, alias.line));
    }
    for (const NameReference& reference : summary.references)
        rows.push_back(std::string(reference.key) + "=" + at(reference.name, reference.line));
    for (const std::uint32_t line : summary.unclosedHeaders)
        rows.push_back("[@" + std::to_string(line));
    return rows;
}

constexpr std::string_view kScript = "VERSION=X1\r\n"
                                     "[ITEMDEF 0a25]\t// a lantern\r\n"
                                     "DEFNAME=i_lantern\r\n"
                                     "name=lantern\r\n"
                                     "TYPE=t_light_out\r\n"
                                     "ON=@Click\r\n"
                                     "DEFNAME=not_an_alias\r\n"
                                     "ITEM=i_oil\r\n"
                                     "[COMMENT notes]\r\n"
                                     "TYPE=t_never_read\r\n"
                                     "[FUNCTION f_x\r\n"
                                     "[DEFNAME colours]\r\n"
                                     "col_red 021\r\n"
                                     "col_blue=02\r\n"
                                     "[chardef c_horse]\r\n"
                                     "ITEMNEWBIE=i_lantern\r\n"
                                     "ON=@Death\r\n"
                                     "[EOF]\r\n"
                                     "[ITEMDEF i_after_the_end]";

// Whatever the line breaks, the same lines; the first NAME= of a definition is its title.
TEST(ScriptSummary, ReadsSectionsAliasesReferencesKeysAndTriggers)
{
    const std::vector<std::string> rows = {
        "ITEMDEF 0a25@1 lantern", "  i_lantern@2", "DEFNAME colours@11 ", "  col_red@12", "  col_blue@13",
        "CHARDEF c_horse@14 ",    "TYPE=t_light_out@4", "ITEM=i_oil@7", "ITEMNEWBIE=i_lantern@15", "[@10"};
    for (const LineBreak lineBreak : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr}) {
        EXPECT_EQ(summaryRows(summarizeScript(withLineBreaks(kScript, lineBreak))), rows)
            << lineBreakText(lineBreak).size();
    }
    EXPECT_EQ(summaryRows(summarizeScript("")), std::vector<std::string>{});
    EXPECT_EQ(summaryRows(summarizeScript("[ITEMDEF]")), std::vector<std::string>{"ITEMDEF @0 "});
    // The summary holds the script's vocabulary, as the folder's is made of them.
    const std::string_view alike = "[ITEMDEF i_a]\nNAME=a\nWEIGHT=1\n[CHARDEF c_b]\nNAME=b\nSTR=1\n"
                                   "[ITEMDEF i_c]\nname=c\nVALUE=2\nON=@Click\nNAME=x\n";
    FolderVocabulary vocabulary;
    addScriptVocabulary(vocabulary, alike);
    EXPECT_EQ(summarizeScript(alike).vocabulary, vocabulary);
    EXPECT_EQ(vocabulary.keys.at("ITEMDEF").at("NAME"), 2U);
    EXPECT_EQ(summaryRows(summarizeScript(alike)),
              (std::vector<std::string>{"ITEMDEF i_a@0 a", "CHARDEF c_b@3 b", "ITEMDEF i_c@6 c"}));
}

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
