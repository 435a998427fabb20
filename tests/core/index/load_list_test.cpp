#include "core/index/load_order.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

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
    const LoadOrder unlisted = followLoadList(std::vector<std::string>{"b.scp", "a/c.scp"}, "scripts", std::nullopt, {});
    EXPECT_EQ(unlisted.places, (std::vector<Place>{0, 1}));
    EXPECT_TRUE(unlisted.unreached.empty());
}

} // namespace
} // namespace defwright
