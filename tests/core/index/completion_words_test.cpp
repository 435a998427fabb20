#include "core/index/completion_words.h"
#include "core/index/folder_index.h"
#include "core/index/script_summary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace defwright {
namespace {

TEST(NameCompletionPlace, InTheValueOfANamingKeyOnly)
{
    const std::optional<NameCompletionPlace> events = nameCompletionPlace("tevents=+e_a,e_h", false);
    ASSERT_TRUE(events.has_value());
    EXPECT_EQ(events->key, "TEVENTS");
    EXPECT_EQ(events->typed, 3U);
    EXPECT_FALSE(nameCompletionPlace("TYPE=", false).has_value());
    EXPECT_EQ(nameCompletionPlace("TYPE=", true)->typed, 0U);
    EXPECT_FALSE(nameCompletionPlace("NAME=sw", true).has_value());
    EXPECT_FALSE(nameCompletionPlace("TYPE=t_x ", false).has_value());
    EXPECT_FALSE(nameCompletionPlace("WE", true).has_value());
    EXPECT_FALSE(nameCompletionPlace("ON=@cl", true).has_value());
}

TEST(CompletionNames, NamesOfTheRightKindThoseBeginningWithTheLettersFirst)
{
    FolderIndex index("scripts");
    index.setFile("scripts/a.scp", summarizeScript("[ITEMDEF 0a25]\nDEFNAME=i_lantern\n[EVENTS e_horse]\n"
                                                   "[TYPEDEF t_lamp]\n[TEMPLATE i_pack]\n[ITEMDEF i_Lamp_post]\n"
                                                   "[ITEMDEF i_LANTERN]\n"));
    EXPECT_EQ(completionNames("TEVENTS", "E_", index), std::vector<std::string>{"e_horse"});
    EXPECT_EQ(completionNames("ITEM", "i", index), (std::vector<std::string>{"i_Lamp_post", "i_lantern", "i_pack"}));
    EXPECT_EQ(completionNames("ITEM", "lan", index), std::vector<std::string>{"i_lantern"});
    const std::vector<std::string> types = completionNames("TYPE", "t_l", index);
    EXPECT_EQ(std::count(types.begin(), types.end(), "t_lamp"), 1);
    EXPECT_EQ(std::count(types.begin(), types.end(), "t_light_out"), 1);
    EXPECT_TRUE(completionNames("DUPEITEM", "0", index).empty());
}

} // namespace
} // namespace defwright
