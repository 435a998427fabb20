#include "core/index/completion_words.h"
#include "core/index/folder_index.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace defwright {
namespace {

using Kind = CompletionPlace::Kind;

TEST(CompletionPlace, KeysAtALineStartTriggersAfterOnAndNamesInNamingValues)
{
    EXPECT_EQ(completionPlace("WE", "ITEMDEF", false).kind, Kind::Key);
    EXPECT_EQ(completionPlace("\tWE", "CHARDEF", false).typed, 2U);
    EXPECT_EQ(completionPlace("W", "ITEMDEF", false).kind, Kind::None);
    EXPECT_EQ(completionPlace("", "ITEMDEF", true).kind, Kind::Key);
    EXPECT_EQ(completionPlace("WE", "FUNCTION", false).kind, Kind::None);
    EXPECT_EQ(completionPlace("SRC.WE", "ITEMDEF", false).kind, Kind::None);
    EXPECT_EQ(completionPlace("// WE", "ITEMDEF", true).kind, Kind::None);
    const CompletionPlace trigger = completionPlace("on=@cl", "", false);
    EXPECT_EQ(trigger.kind, Kind::Trigger);
    EXPECT_EQ(trigger.typed, 3U);
    EXPECT_EQ(completionPlace("ON=@", "ITEMDEF", false).typed, 1U);
    const CompletionPlace name = completionPlace("tevents=+e_a,e_h", "CHARDEF", false);
    EXPECT_EQ(name.kind, Kind::Name);
    EXPECT_EQ(name.key, "TEVENTS");
    EXPECT_EQ(name.typed, 3U);
    EXPECT_EQ(completionPlace("TYPE=", "ITEMDEF", false).kind, Kind::None);
    EXPECT_EQ(completionPlace("TYPE=", "ITEMDEF", true).kind, Kind::Name);
    EXPECT_EQ(completionPlace("NAME=sw", "ITEMDEF", true).kind, Kind::None);
    EXPECT_EQ(completionPlace("TYPE=t_x ", "ITEMDEF", false).kind, Kind::None);
}

// Once, and only once.
bool holds(const std::vector<std::string>& words, std::string_view word)
{
    return std::count(words.begin(), words.end(), word) == 1;
}

TEST(CompletionWords, TablesAndTheFolderGiveKeysTriggersAndNamesOfTheRightKind)
{
    FolderIndex index("scripts");
    index.setFile("scripts/a.scp", summarizeScript("[ITEMDEF 0a25]\nDEFNAME=i_lantern\nRESDISPDNID=1\nweight=2\n"
                                                   "ON=@Timer\nON=@Custom\n[EVENTS e_horse]\n[TYPEDEF t_lamp]\n"
                                                   "[TEMPLATE i_pack]\n[CHARDEF c_x]\nFAME=1\n"));
    const std::vector<std::string> keys = completionKeys("ITEMDEF", index);
    EXPECT_TRUE(holds(keys, "RESDISPDNID=") && holds(keys, "SKILLMAKE=") && holds(keys, "WEIGHT="));
    EXPECT_EQ(std::count(keys.begin(), keys.end(), "FAME="), 0);
    EXPECT_TRUE(holds(completionKeys("CHARDEF", index), "TEVENTS="));
    const std::vector<std::string> triggers = completionTriggers(index);
    EXPECT_TRUE(holds(triggers, "@CUSTOM") && holds(triggers, "@DEATH"));
    EXPECT_TRUE(std::is_sorted(triggers.begin(), triggers.end()));
    EXPECT_EQ(completionNames("TEVENTS", "E_", index), std::vector<std::string>{"e_horse"});
    EXPECT_EQ(completionNames("ITEM", "i", index), (std::vector<std::string>{"i_lantern", "i_pack"}));
    const std::vector<std::string> types = completionNames("TYPE", "t_l", index);
    EXPECT_TRUE(holds(types, "t_lamp") && holds(types, "t_light_out"));
    EXPECT_TRUE(completionNames("DUPEITEM", "0", index).empty());
}

} // namespace
} // namespace defwright
