#include "core/npcs/npc_kind.h"

#include "core/script/script_lines.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace defwright {
namespace {

using test::withBanner;
using Lines = std::vector<std::string>;

// The worked example's twenty-two lines, and edge values; what is written reads back.
TEST(NpcScript, WritesFilledFieldsInIndexOrderAsTypedAndReadsThemBack)
{
    NpcRecord npc = samples::trollGuard();
    EXPECT_EQ(npcScript(npc), withBanner({
        "[CHARDEF c_troll_guard]",
        "NAME=a troll guard", "ID=036", "ICON=i_pet_troll", "DAM=12,20", "ARMOR=30",
        "CATEGORY=Monsters", "SUBSECTION=Trolls",
        "CAN=MT_WALK", "CAN=MT_USEHANDS", "TEVENTS=e_guard_events",
        "",
        "ON=@CREATE", "NPC=BRAIN_GUARD", "FAME={400 600}", "STR={200 250}", "COLOR=0",
        "WRESTLING={70.0 85.0}", "TACTICS={ 80.0}",
    }));
    npc.stats[1] = {}; // KARMA has no low value and skill slot 2 no name: neither is written
    npc.skills[2] = {};
    EXPECT_EQ(readDefinition<NpcKind>(npcScript(npc)).value().record, npc);
    npc = {};
    EXPECT_EQ(npcScript(npc), withBanner({"[CHARDEF c_]", "", "ON=@CREATE", "NPC=BRAIN_NONE"}));
    EXPECT_EQ(readDefinition<NpcKind>(npcScript(npc)).value().record, npc);
    npc.basic[14] = "Monsters"; // box 15, top of the right column
    npc.basic[13] = "gold";     // box 14, bottom of the left column
    npc.basic[3] = "   ";
    npc.basic[0] = "NAME=x";
    npc.lists[2] = "MT_FLY";
    npc.lists[1] = "MT_FLY";
    npc.lists[9] = "e_last";
    npc.brain.clear(); // its line is written all the same
    // A stat's low value and a skill slot's name alone decide their lines.
    npc.stats[1] = {"", "500"};
    npc.stats[2] = {"200", ""};
    npc.stats[4] = {"9", "10"};
    npc.creation[3] = "4";
    npc.skills[0] = {"", "50.0", "60.0"};
    npc.skills[1] = {"HIDING", "", ""};
    npc.skills[5] = {"Ψ={}", "a", "b"};
    EXPECT_EQ(npcScript(npc), withBanner({"[CHARDEF c_]", "NAME=NAME=x", "SOUND=   ", "AVERSIONS=gold",
                                          "CATEGORY=Monsters", "CAN=MT_FLY", "CAN=MT_FLY", "TEVENTS=e_last",
                                          "", "ON=@CREATE", "NPC=", "STR={200 }", "DEX={9 10}", "FLAGS=4",
                                          "HIDING={ }", "Ψ={}={a b}"}));
}

// Also the ways a range may be written by hand: braced with a comma, unbraced
// with a blank, without a low or a high value. Skills are the creation block's
// lines of listed skills; other NAME={low high} lines there are not.
TEST(NpcReader, GroupsFillTheirBoxesInOrderAndListWhatIsLeftOver)
{
    Lines lines = {"[CHARDEF c_ogre]", "CAN=MT_WALK", "CAN=", "TEVENTS=e_one", "can=MT_RUN", "TSPEECH=s_one",
                   "CAN=MT_FLY", "CAN=MT_SWIM", "wrestling = 70,85", "FOO={1 2}", "ON=@CREATE",
                   "STR={200,250}", "INT=5 6", "DEX={  9}", "KARMA={7 }", "FAME={1 2}", "FAME={3 4}",
                   "\twrestling = 70,85 // a listed skill in any form", "MAXHITS={118 132}", "Hiding={1 9}",
                   "TACTICS=2", "my skill={3 9}", "MAGERY={3,9}", "anatomy={ 9}", "ARCHERY={5 9}", "CAMPING={6 9}"};
    const std::optional<NpcReading> reading = readDefinition<NpcKind>(test::scriptText(lines));
    ASSERT_TRUE(reading);
    EXPECT_EQ(npcScript(reading->record),
              withBanner({"[CHARDEF c_ogre]", "CAN=MT_WALK", "CAN=MT_RUN", "CAN=MT_FLY", "TSPEECH=s_one",
                          "TEVENTS=e_one", "", "ON=@CREATE", "NPC=", "FAME={1 2}", "KARMA={7 }",
                          "STR={200 250}", "INT={5 6}", "wrestling={70 85}", "Hiding={1 9}", "TACTICS={2 }",
                          "MAGERY={3 9}", "anatomy={ 9}", "ARCHERY={5 9}"}));
    EXPECT_EQ(reading->record.stats[4], (RangeValues{"", "9"}));
    EXPECT_EQ(test::unheldLines(reading->unheld),
              (Lines{"3 CAN=", "8 CAN=MT_SWIM", "9 wrestling = 70,85", "10 FOO={1 2}", "17 FAME={3 4}",
                     "19 MAXHITS={118 132}", "22 my skill={3 9}", "26 CAMPING={6 9}"}));
}

} // namespace
} // namespace defwright
