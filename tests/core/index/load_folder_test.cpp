#include "core/index/definition_search.h"
#include "core/index/folder_check.h"
#include "core/index/folder_indexing.h"
#include "core/index/load_order.h"
#include "scripts_folder_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

using Rows = std::vector<std::string>;

// A server's folder with a tables file that lists files and folders relative
// to the scripts folder and to the folder above it, with both separators and
// comments; beside the loaded scripts, an old copy, a legacy folder that is
// commented out and a subfolder the list does not reach.
class LoadFolder : public ScriptsFolder {
protected:
    const std::filesystem::path tables_ = write("server/scripts/shard_tables.scp",
        "[RESOURCES]\r\n"
        "// what the server loads\r\n"
        "items/\r\n"
        "scripts\\npcs\\guards\r\n"
        "core/defs.scp // the names\r\n"
        "CORE\\Defs.scp\r\n"
        "//legacy/\r\n"
        "missing.scp\r\n"
        "gone/\r\n"
        "[PLEVEL 1]\r\n"
        "ADD\r\n");
    const std::filesystem::path lights_ = write("server/scripts/items/lights.scp",
        "[ITEMDEF i_lantern]\nTYPE=t_light_out\nTEVENTS=e_old\nITEMNEWBIE=i_nowhere\nITEM=i_shirt\n");
    const std::filesystem::path deep_ = write("server/scripts/items/sub/deep.scp", "[ITEMDEF i_deep]\nTEVENTS=e_gone\n");
    const std::filesystem::path guards_ = write("server/scripts/npcs/Guards.SCP", "[CHARDEF c_guard]\nITEMNEWBIE=i_lantern\n");
    const std::filesystem::path oldGuards_ = write("server/scripts/npcs/guards_old.scp", "[CHARDEF c_guard]\n");
    const std::filesystem::path defs_ = write("server/scripts/core/defs.scp", "[DEFNAME misc]\ni_shirt 0x1517\n");
    const std::filesystem::path old_ = write("server/scripts/legacy/old.scp", "[EVENTS e_old]\n[ITEMDEF i_lantern]\n");
    const std::filesystem::path older_ = write("server/scripts/legacy/deeper/older.scp", "[EVENTS e_older\n");
    const FolderIndex index_ = indexFolder(root / "server/scripts");

    [[nodiscard]] std::optional<std::uint32_t> placeOf(const std::filesystem::path& file) const
    {
        for (const std::uint32_t number : index_.files()) {
            if (index_.filePath(number) == file)
                return index_.loadPlace(number);
        }
        ADD_FAILURE() << file << " is not indexed";
        return std::nullopt;
    }
};

TEST_F(LoadFolder, TheServersOrderBeginsWithTheTablesFileAndLeavesOutWhatTheListMisses)
{
    ASSERT_TRUE(index_.tablesFile());
    EXPECT_EQ(index_.filePath(*index_.tablesFile()), tables_);
    const std::pair<std::filesystem::path, std::optional<std::uint32_t>> places[] = {
        {tables_, 0},
        {lights_, 1},
        {guards_, 2},
        {defs_, 3},
        {deep_, std::nullopt},
        {oldGuards_, std::nullopt},
        {old_, std::nullopt},
        {older_, std::nullopt},
    };
    for (const auto& [file, place] : places)
        EXPECT_EQ(placeOf(file), place) << file;
}

// Each problem with its severity; a not-loaded file neither clashes nor
// satisfies a reference nor is checked itself.
TEST_F(LoadFolder, CheckReadsOnlyWhatTheServerLoadsAndSaysWhatTheListMisses)
{
    constexpr std::string_view kSeverities[] = {"error", "warning", "hint"};
    Rows rows;
    for (const FolderProblem& problem : checkFolder(index_))
        rows.push_back(std::string(kSeverities[static_cast<int>(problem.severity)]) + " "
                       + problem.file.lexically_relative(root / "server/scripts").generic_string() + ":"
                       + std::to_string(problem.line + 1) + " " + problem.message);
    const Rows expected = {
        "error items/lights.scp:3 TEVENTS=e_old: e_old is defined only in legacy/old.scp, which the server does not load",
        "error items/lights.scp:4 ITEMNEWBIE=i_nowhere: i_nowhere is defined nowhere in the folder",
        "hint items/sub/deep.scp:1 The server does not load the only script in items/sub/: the load list of shard_tables.scp "
        "never reaches it",
        "hint legacy/deeper/older.scp:1 The server loads none of the 2 scripts in legacy/: the load list of shard_tables.scp never "
        "reaches them",
        "hint npcs/guards_old.scp:1 The server does not load this file: the load list of shard_tables.scp never "
        "reaches it",
        "error shard_tables.scp:8 The load list names missing.scp, which is not in the scripts folder",
        "error shard_tables.scp:9 The load list names the folder gone/, which holds no script in the scripts folder",
    };
    EXPECT_EQ(rows, expected);
}

TEST_F(LoadFolder, GoToDefinitionStillFindsWhatIsNotLoadedAndSaysSo)
{
    Rows rows;
    for (const DefinitionHit& hit : findDefinitions("c_guard", summarizeScript(""), {}, index_))
        rows.push_back(hit.shown + (hit.loaded ? "" : " [not loaded]"));
    EXPECT_EQ(rows, (Rows{"[CHARDEF c_guard]  npcs/Guards.SCP:1",
                          "[CHARDEF c_guard]  npcs/guards_old.scp:1  (not loaded) [not loaded]"}));
}

// A tables file that comes, goes or changes moves every file's state at once.
TEST_F(LoadFolder, TheStatesFollowTheTablesFileAsItChanges)
{
    FolderIndex index = indexFolder(root / "server/scripts");
    index.setFile(tables_, summarizeScript("[RESOURCES]\nlegacy/\n"));
    for (const std::uint32_t file : index.files())
        EXPECT_EQ(index.isLoaded(file), index.filePath(file) == tables_ || index.filePath(file) == old_)
            << index.filePath(file);
    index.removeFile(tables_);
    EXPECT_FALSE(index.tablesFile());
    for (const std::uint32_t file : index.files())
        EXPECT_TRUE(index.isLoaded(file)) << index.filePath(file);
    EXPECT_TRUE(checkLoadList(index).empty());
}

using Parts = std::vector<std::string>;

TEST(LoadList, ALineNamesAFileOrAFolderWithEitherSeparator)
{
    struct Case {
        std::string_view line;
        Parts parts;
        bool folder;
        bool outside;
    };
    const Case cases[] = {
        {"items/", {"items"}, true, false},
        {"core\\defs.scp", {"core", "defs.scp"}, false, false},
        {"scripts\\chars\\guards", {"scripts", "chars", "guards"}, false, false},
        {"  core/regiontypes.scp \t//Must be define after ITEM", {"core", "regiontypes.scp"}, false, false},
        {"crafting/interface/legacy skillmenu/", {"crafting", "interface", "legacy skillmenu"}, true, false},
        {"./a/b/../c/", {"a", "c"}, true, false},
        {"a\\\\b", {"a", "b"}, false, false},
        {"items//not_complete/", {"items"}, false, false},
        {"../outside.scp", {"outside.scp"}, false, true},
        {"//core/dialogs/legacy/", {}, false, false},
        {"", {}, false, false},
    };
    for (const Case& expected : cases) {
        const LoadPath path = readLoadPath(expected.line);
        EXPECT_EQ(path.parts, expected.parts) << expected.line;
        EXPECT_EQ(path.folder, expected.folder) << expected.line;
        EXPECT_EQ(path.outside, expected.outside) << expected.line;
    }
}

// Copies and old versions of a tables file are named after it.
TEST(LoadList, TheTablesFileIsTheShortestRootScriptNamedAfterTablesThatHoldsTheList)
{
    const std::pair<std::vector<std::string>, std::optional<std::uint32_t>> cases[] = {
        {{"shard_tables.scp"}, 0},
        {{"defs.scp", "shard_tables.scp"}, 1},
        {{"copy of shard_tables.scp", "shard_tables.scp"}, 1},
        {{"shard_tables.scp", "shard_tables_old.scp"}, 0},
        {{"Shard_Tables.SCP", "zz.scp"}, 0},
        {{"b.scp", "a.scp"}, 1},
        {{"items/shard_tables.scp", "defs.scp"}, 1},
        {{"items/shard_tables.scp"}, std::nullopt},
        {{}, std::nullopt},
    };
    for (const auto& [candidates, chosen] : cases)
        EXPECT_EQ(chooseTablesFile(candidates), chosen) << candidates.size();
}

TEST(LoadList, TheServersOrderFromTheTablesFileOnEveryScriptOnceAndWhatTheListMisses)
{
    const std::vector<std::string> files = {
        "shard_tables.scp", "items/b.scp",   "items/A.scp",       "items/sub/c.scp", "npcs/Guards.SCP",
        "npcs/old.scp",     "core/defs.scp", "misc/blank name/x.scp", "legacy/old.scp",
    };
    const std::vector<LoadEntry> list = {
        {"items/", 1},        {"scripts\\NPCS\\guards", 2}, {"core/defs.scp // the names", 3}, {"CORE\\DEFS", 4},
        {"//legacy/", 5},     {"missing.scp", 6},          {"gone/", 7},                      {"misc/blank name/", 8},
        {"shard_tables", 9},  {"other/npcs/guards", 10},
    };
    const LoadOrder order = followLoadList(files, "Scripts", 0, list);
    using Place = std::optional<std::uint32_t>;
    EXPECT_EQ(order.places, (std::vector<Place>{0, 2, 1, std::nullopt, 3, std::nullopt, 4, 5, std::nullopt}));
    std::vector<std::string> unreached;
    for (const UnreachedLoad& load : order.unreached)
        unreached.push_back(load.path + "@" + std::to_string(load.line) + (load.folder ? " folder" : ""));
    EXPECT_EQ(unreached, (std::vector<std::string>{"missing.scp@6", "gone/@7 folder", "other/npcs/guards@10"}));
    // Without a tables file every script is loaded, in the order given.
    const std::vector<std::string> unlistedFiles = {"b.scp", "a/c.scp"};
    const LoadOrder unlisted = followLoadList(unlistedFiles, "scripts", std::nullopt, {});
    EXPECT_EQ(unlisted.places, (std::vector<Place>{0, 1}));
    EXPECT_TRUE(unlisted.unreached.empty());
}

} // namespace
} // namespace defwright
