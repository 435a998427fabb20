#include "core/npcs/npc_script.h"

#include "core/script/script_lines.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

using test::scriptLines;
using Lines = std::vector<std::string>;
using samples::trollGuard;

// Everything after the three banner lines.
Lines body(const std::string& text)
{
    const Lines lines = scriptLines(text);
    return Lines(lines.begin() + 3, lines.end());
}

TEST(NpcScript, WorkedExampleGivesItsTwentyTwoLines)
{
    const std::string text = npcScript(trollGuard());
    EXPECT_EQ(scriptLines(text).size(), 22u);
    EXPECT_TRUE(text.starts_with("//Compiled with Defwright by Vostrel\r\n//Defwright: "));
    EXPECT_EQ(body(text), (Lines{
                              "[CHARDEF c_troll_guard]",
                              "NAME=a troll guard",
                              "ID=036",
                              "ICON=i_pet_troll",
                              "DAM=12,20",
                              "ARMOR=30",
                              "CATEGORY=Monsters",
                              "SUBSECTION=Trolls",
                              "CAN=MT_WALK",
                              "CAN=MT_USEHANDS",
                              "TEVENTS=e_guard_events",
                              "",
                              "ON=@CREATE",
                              "NPC=BRAIN_GUARD",
                              "FAME={400 600}",
                              "STR={200 250}",
                              "COLOR=0",
                              "WRESTLING={70.0 85.0}",
                              "TACTICS={ 80.0}",
                          }));
}

TEST(NpcScript, InitialRecordGivesOneEmptyLineAndTheDefaultBrain)
{
    EXPECT_EQ(body(npcScript(NpcRecord{})),
              (Lines{"[CHARDEF c_]", "", "ON=@CREATE", "NPC=BRAIN_NONE"}));

    NpcRecord noBrain;
    noBrain.brain.clear();
    EXPECT_EQ(body(npcScript(noBrain)).back(), "NPC=");
}

TEST(NpcScript, LowValueOfAStatAndNameOfASkillDecideTheirLines)
{
    NpcRecord npc;
    npc.stats[1] = {"", "500"};
    npc.stats[2] = {"200", ""};
    npc.skills[0] = {"", "50.0", "60.0"};
    npc.skills[1] = {"HIDING", "", ""};
    EXPECT_EQ(body(npcScript(npc)),
              (Lines{"[CHARDEF c_]", "", "ON=@CREATE", "NPC=BRAIN_NONE", "STR={200 }", "HIDING={ }"}));
}

TEST(NpcScript, ValuesAreCopiedAsTypedInIndexOrder)
{
    NpcRecord npc;
    npc.basic[14] = "Monsters";   // box 15, top of the right column
    npc.basic[13] = "gold";       // box 14, bottom of the left column
    npc.basic[3] = "   ";
    npc.basic[0] = "NAME=x";
    npc.lists[2] = "MT_FLY";
    npc.lists[1] = "MT_FLY";
    npc.brain = "brain_my_own";
    npc.skills[5] = {"Ψ={}", "a", "b"};
    EXPECT_EQ(body(npcScript(npc)), (Lines{
                                        "[CHARDEF c_]",
                                        "NAME=NAME=x",
                                        "SOUND=   ",
                                        "AVERSIONS=gold",
                                        "CATEGORY=Monsters",
                                        "CAN=MT_FLY",
                                        "CAN=MT_FLY",
                                        "",
                                        "ON=@CREATE",
                                        "NPC=brain_my_own",
                                        "Ψ={}={a b}",
                                    }));
}

} // namespace
} // namespace defwright
