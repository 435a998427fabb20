#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"

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

TEST(NpcScript, WorkedExampleGivesItsTwentyTwoLines)
{
    EXPECT_EQ(npcScript(samples::trollGuard()), withBanner({
        "[CHARDEF c_troll_guard]",
        "NAME=a troll guard", "ID=036", "ICON=i_pet_troll", "DAM=12,20", "ARMOR=30",
        "CATEGORY=Monsters", "SUBSECTION=Trolls",
        "CAN=MT_WALK", "CAN=MT_USEHANDS", "TEVENTS=e_guard_events",
        "",
        "ON=@CREATE", "NPC=BRAIN_GUARD", "FAME={400 600}", "STR={200 250}", "COLOR=0",
        "WRESTLING={70.0 85.0}", "TACTICS={ 80.0}",
    }));
}

TEST(NpcScript, FilledFieldsAloneAreWrittenInIndexOrderAsTyped)
{
    NpcRecord npc;
    EXPECT_EQ(npcScript(npc), withBanner({"[CHARDEF c_]", "", "ON=@CREATE", "NPC=BRAIN_NONE"}));
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
                                          "CATEGORY=Monsters", "CAN=MT_FLY", "CAN=MT_FLY", "TEVENTS=e_last", "",
                                          "ON=@CREATE", "NPC=", "STR={200 }", "DEX={9 10}", "FLAGS=4", "HIDING={ }",
                                          "Ψ={}={a b}"}));
}

TEST(NpcReader, GroupsFillTheirBoxesInOrderAndListWhatIsLeftOver)
{
    Lines lines = {"[CHARDEF c_ogre]", "CAN=MT_WALK", "TEVENTS=e_one", "can=MT_RUN", "TSPEECH=s_one", "CAN=MT_FLY",
                   "CAN=MT_SWIM", "wrestling = 70,85", "FOO={1 2}", "ON=@CREATE", "STR=200,250", "FAME={1 2}",
                   "FAME={3 4}"};
    for (int slot = 1; slot <= 6; ++slot)
        lines.push_back("my skill " + std::to_string(slot) + "={" + std::to_string(slot) + " 9}");
    const std::optional<NpcReading> reading = readNpcDefinition(test::scriptText(lines));
    ASSERT_TRUE(reading);
    const NpcRecord& npc = reading->record;
    EXPECT_EQ(npc.lists, (std::array<std::string, 10>{"MT_WALK", "MT_RUN", "MT_FLY", "s_one", "", "", "e_one"}));
    EXPECT_EQ(npc.brain, "");
    EXPECT_EQ(npc.stats[2], (RangeValues{"200", "250"}));
    EXPECT_EQ(npc.stats[0], (RangeValues{"1", "2"}));
    EXPECT_EQ(npc.skills[0], (SkillSlot{"wrestling", "70", "85"}));
    EXPECT_EQ(npc.skills[1], (SkillSlot{"my skill 1", "1", "9"}));
    EXPECT_EQ(npc.skills[5], (SkillSlot{"my skill 5", "5", "9"}));
    EXPECT_EQ(test::unheldLines(reading->unheld),
              (Lines{"7 CAN=MT_SWIM", "9 FOO={1 2}", "13 FAME={3 4}", "19 my skill 6={6 9}"}));
}

} // namespace
} // namespace defwright
