#include "core/index/definition_list.h"
#include "core/index/definition_search.h"
#include "core/index/folder_check.h"
#include "core/index/folder_indexing.h"
#include "core/index/scripts_folder.h"
#include "scripts_folder_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace defwright {
namespace {

TEST_F(ScriptsFolder, TheNearestFolderNamedScriptsInAnyCaseWinsElseTheParentOfTwoThatHoldScripts)
{
    write("server/Scripts/items/weapons/a.scp", "");
    write("server/Scripts/npcs/b.scp", "");
    EXPECT_EQ(findScriptsFolder(root / "server/Scripts/items/weapons"), root / "server/Scripts");
    EXPECT_EQ(findScriptsFolder(root / "server/Scripts/"), root / "server/Scripts");
    EXPECT_EQ(findScriptsFolder(root / "server/Scripts/items/../npcs"), root / "server/Scripts");
    write("other/items/a.scp", "");
    write("other/npcs/b.SCP", "");
    write("lone/c.scp", "");
    write("lone/sub/d.txt", "");
    EXPECT_EQ(findScriptsFolder(root / "other/items"), root / "other");
    EXPECT_EQ(findScriptsFolder(root / "lone"), root / "lone");
    EXPECT_EQ(findScriptsFolder(root / "lone/sub"), root / "lone/sub");
}

TEST_F(ScriptsFolder, ListsScriptsOfAnyCaseInEverySubfolderSorted)
{
    write("b/deep/er/x.Scp", "");
    write("a.SCP", "");
    write("c.scp", "");
    write("c.scp.bak", "");
    write("notes.txt", "[ITEMDEF i_not_a_script]");
    std::filesystem::create_directories(root / "folder.scp");
    const std::vector<std::filesystem::path> expected = {root / "a.SCP", root / "b/deep/er/x.Scp",
                                                         root / "c.scp"};
    EXPECT_EQ(listScriptFiles(root), expected);
    EXPECT_TRUE(listScriptFiles(root / "missing").empty());
    const std::atomic<bool> stopped{true}; // the index is going: listing ends at once
    EXPECT_TRUE(listScriptFiles(root, &stopped).empty());
}

TEST_F(ScriptsFolder, ReadsEachFileInItsOwnFormat)
{
    write("cp1252.scp", "NAME=Lanterne \xE9\r\n");
    write("bom.scp", "\xEF\xBB\xBFNAME=Lanterne \xC3\xA9\n");
    write("utf8.scp", "NAME=Lanterne \xC3\xA9\r");
    EXPECT_EQ(readScriptText(root / "cp1252.scp"), "NAME=Lanterne \xC3\xA9\r\n");
    EXPECT_EQ(readScriptText(root / "bom.scp"), "NAME=Lanterne \xC3\xA9\n");
    EXPECT_EQ(readScriptText(root / "utf8.scp"), "NAME=Lanterne \xC3\xA9\r");
    EXPECT_FALSE(readScriptText(root / "missing.scp"));
    EXPECT_FALSE(readScriptText(root));
}

// Three formats, three kinds of line break, aliases, ids in two forms, one
// name defined twice and references that lead nowhere.
class FolderIndexTest : public ScriptsFolder {
protected:
    const std::filesystem::path items_ = write("scripts/items/lights.scp",
        "[ITEMDEF 0a25]\r\nDEFNAME=i_lantern\r\nNAME=Lanterne \xE9\r\nTYPE=t_light_out\r\n\r\n"
        "[ITEMDEF i_torch]\r\nTYPE=t_torch_kind\r\n");
    const std::filesystem::path npcs_ = write("scripts/npcs/horses.SCP",
        "\xEF\xBB\xBF[CHARDEF c_horse]\nITEMNEWBIE=I_LANTERN\nTEVENTS=e_horse,e_missing\nDUPEITEM=0x0A25\n"
        "DUPEITEM=0999\n");
    const std::filesystem::path misc_ = write("scripts/misc/misc.scp",
        "[EVENTS e_horse]\r[ITEMDEF 0b00]\rDEFNAME=i_lantern\r[SPELL 0a25]\r[FUNCTION f_open\r[TYPEDEF t_torch_kind]");
    const std::filesystem::path notes_ = write("scripts/notes.txt", "[ITEMDEF i_ignored]");
    FolderIndex index_ = indexFolder(root / "scripts");

    [[nodiscard]] std::vector<std::string> placesOf(std::string_view name) const
    {
        std::vector<std::string> places;
        for (const NamePlace& place : index_.lookup(name))
            places.push_back(index_.filePath(place.file).filename().string() + ":"
                             + std::to_string(index_.section(place).name.line));
        std::sort(places.begin(), places.end());
        return places;
    }
};

using Places = std::vector<std::string>;

TEST_F(FolderIndexTest, FindsSectionsByNameAliasAndIdInAnyForm)
{
    EXPECT_EQ(index_.fileCount(), 3U);
    EXPECT_EQ(index_.sectionCount(), 7U);
    EXPECT_EQ(placesOf("I_Lantern"), Places({"lights.scp:0", "misc.scp:1"}));
    EXPECT_EQ(placesOf("0x0A25"), Places({"lights.scp:0", "misc.scp:3"}));
    EXPECT_EQ(placesOf("c_horse"), Places{"horses.SCP:0"});
    EXPECT_EQ(placesOf("e_horse"), Places{"misc.scp:0"});
    EXPECT_TRUE(placesOf("i_ignored").empty());
    EXPECT_TRUE(placesOf("f_open").empty());
    EXPECT_EQ(index_.section(index_.lookup("i_lantern")[0]).title, "Lanterne \xC3\xA9");
}

TEST_F(FolderIndexTest, ReindexingOneFileReplacesWhatItDefined)
{
    write("scripts/misc/misc.scp", "[EVENTS e_rider]\n");
    index_.setFile(misc_, summarizeFile(misc_));
    EXPECT_EQ(placesOf("i_lantern"), Places{"lights.scp:0"});
    EXPECT_TRUE(placesOf("e_horse").empty());
    EXPECT_EQ(placesOf("e_rider"), Places{"misc.scp:0"});
    EXPECT_EQ(index_.sectionCount(), 4U);
    EXPECT_EQ(index_.vocabulary().kinds.at("ITEMDEF"), 2U);
    EXPECT_EQ(index_.vocabulary().kinds.at("EVENTS"), 1U) << "the file's old sections no longer count";
    EXPECT_FALSE(index_.vocabulary().kinds.contains("TYPEDEF"));
    index_.removeFile(items_);
    EXPECT_FALSE(index_.vocabulary().kinds.contains("ITEMDEF"));
    EXPECT_EQ(index_.vocabulary().keys.at("CHARDEF").at("DUPEITEM"), 1U);
    EXPECT_TRUE(placesOf("i_lantern").empty());
    EXPECT_EQ(index_.fileCount(), 2U);
    EXPECT_FALSE(index_.holds(items_));
    EXPECT_TRUE(index_.holds(npcs_));
}

TEST_F(FolderIndexTest, CheckFindsDuplicatesUnclosedHeadersAndDanglingNames)
{
    std::vector<std::string> rows;
    for (const FolderProblem& problem : checkFolder(index_))
        rows.push_back(problem.file.filename().string() + ":" + std::to_string(problem.line) + " " + problem.message);
    const std::vector<std::string> expected = {
        "lights.scp:1 i_lantern is defined 2 times; also at misc/misc.scp:3",
        "misc.scp:2 i_lantern is defined 2 times; also at items/lights.scp:2",
        "misc.scp:4 The section header has no \"]\"",
        "horses.SCP:2 TEVENTS=e_missing: e_missing is defined nowhere in the folder",
        "horses.SCP:4 DUPEITEM=0999: 0999 is defined nowhere in the folder",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(FolderIndexTest, LookupsTryThePaneFirstThenTheFolderWithoutThePanesFile)
{
    const ScriptSummary pane = summarizeScript("[EVENTS e_other]\n\n[events E_HORSE]\n");
    std::vector<DefinitionHit> hits = findDefinitions("e_horse", pane, {}, index_);
    ASSERT_EQ(hits.size(), 1U);
    EXPECT_TRUE(hits[0].inPane);
    EXPECT_EQ(hits[0].line, 2U);
    hits = findDefinitions("0A25", summarizeScript(""), items_, index_);
    ASSERT_EQ(hits.size(), 1U);
    EXPECT_EQ(hits[0].file, misc_);
    EXPECT_EQ(hits[0].kind, "SPELL");
    EXPECT_EQ(hits[0].shown, "[SPELL 0a25]  misc/misc.scp:4");
    hits = findDefinitions("i_lantern", summarizeScript(""), {}, index_);
    ASSERT_EQ(hits.size(), 2U);
    EXPECT_EQ(hits[0].shown, "[ITEMDEF 0a25] i_lantern  items/lights.scp:1");
    EXPECT_TRUE(findDefinitions("", pane, {}, index_).empty());
}

TEST_F(FolderIndexTest, DefinitionListFiltersByEveryWordInAnyOrderAndCase)
{
    DefinitionList list;
    list.addIndex(index_);
    ASSERT_EQ(list.size(), 7U);
    const auto shown = [&list](std::string_view typed) {
        std::vector<std::string> rows;
        for (const std::uint32_t row : list.matching(typed))
            rows.push_back(list.row(row).shown);
        return rows;
    };
    EXPECT_EQ(shown("LANTERN itemdef"),
              (std::vector<std::string>{"ITEMDEF 0a25  i_lantern  \"Lanterne \xC3\xA9\"  items/lights.scp:1",
                                        "ITEMDEF 0b00  i_lantern  misc/misc.scp:2"}));
    EXPECT_EQ(shown("  horses.scp  "), std::vector<std::string>{"CHARDEF c_horse  npcs/horses.SCP:1"});
    EXPECT_EQ(list.matching("").size(), 7U);
    EXPECT_TRUE(list.matching("lantern nowhere").empty());
    DefinitionList withoutOne;
    withoutOne.addIndex(index_, misc_);
    EXPECT_EQ(withoutOne.size(), 3U);
}

} // namespace
} // namespace defwright
