#include "core/index/scripts_folder.h"
#include "scripts_folder_maker.h"

namespace defwright {
namespace {

using ScriptsFolder = ScriptsFolderMaker;

TEST_F(ScriptsFolder, TheNearestFolderNamedScriptsInAnyCaseWins)
{
    write("server/Scripts/items/weapons/a.scp", "");
    write("server/Scripts/npcs/b.scp", "");
    EXPECT_EQ(findScriptsFolder(root() / "server/Scripts/items/weapons"), root() / "server/Scripts");
    EXPECT_EQ(findScriptsFolder(root() / "server/Scripts/"), root() / "server/Scripts");
    EXPECT_EQ(findScriptsFolder(root() / "server/Scripts/items/../npcs"), root() / "server/Scripts");
}

TEST_F(ScriptsFolder, ElseTheParentWhenTwoOfItsSubfoldersHoldScripts)
{
    write("server/items/a.scp", "");
    write("server/npcs/b.SCP", "");
    write("lone/c.scp", "");
    write("lone/sub/d.txt", "");
    EXPECT_EQ(findScriptsFolder(root() / "server/items"), root() / "server");
    EXPECT_EQ(findScriptsFolder(root() / "lone"), root() / "lone");
    EXPECT_EQ(findScriptsFolder(root() / "lone/sub"), root() / "lone/sub");
}

TEST_F(ScriptsFolder, ListsScriptsOfAnyCaseInEverySubfolderSorted)
{
    write("b/deep/er/x.Scp", "");
    write("a.SCP", "");
    write("c.scp", "");
    write("c.scp.bak", "");
    write("notes.txt", "[ITEMDEF i_not_a_script]");
    std::filesystem::create_directories(root() / "folder.scp");
    const std::vector<std::filesystem::path> expected = {root() / "a.SCP", root() / "b/deep/er/x.Scp",
                                                         root() / "c.scp"};
    EXPECT_EQ(listScriptFiles(root()), expected);
    EXPECT_TRUE(listScriptFiles(root() / "missing").empty());
    const std::atomic<bool> stopped{true}; // the index is going: listing ends at once
    EXPECT_TRUE(listScriptFiles(root(), &stopped).empty());
}

TEST_F(ScriptsFolder, ReadsEachFileInItsOwnFormat)
{
    write("cp1252.scp", "NAME=Lanterne \xE9\r\n");
    write("bom.scp", "\xEF\xBB\xBFNAME=Lanterne \xC3\xA9\n");
    write("utf8.scp", "NAME=Lanterne \xC3\xA9\r");
    EXPECT_EQ(readScriptText(root() / "cp1252.scp"), "NAME=Lanterne \xC3\xA9\r\n");
    EXPECT_EQ(readScriptText(root() / "bom.scp"), "NAME=Lanterne \xC3\xA9\n");
    EXPECT_EQ(readScriptText(root() / "utf8.scp"), "NAME=Lanterne \xC3\xA9\r");
    EXPECT_FALSE(readScriptText(root() / "missing.scp"));
    EXPECT_FALSE(readScriptText(root()));
}

} // namespace
} // namespace defwright
