#include "core/npcs/npc_reader.h"

#include "core/npcs/npc_script.h"
#include "core/script/random_records.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace defwright {
namespace {

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// The troll guard as its script holds it: values that no line carries are gone.
NpcRecord trollGuardAsWritten()
{
    NpcRecord npc = samples::trollGuard();
    npc.stats[1] = {};
    npc.skills[2] = {};
    return npc;
}

TEST(NpcReader, WorkedExampleAndStartRecordReadBackExactly)
{
    for (const NpcRecord& npc : {trollGuardAsWritten(), NpcRecord{}}) {
        const std::optional<NpcReading> reading = readNpcDefinition(npcScript(npc));
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->record, npc);
        EXPECT_TRUE(reading->unheld.empty());
    }
}

TEST(NpcReader, EveryRandomScriptIsWrittenAgainAsItWas)
{
    test::PrintableValues values(2203);
    for (int run = 0; run < 10'000; ++run) {
        const std::string script = npcScript(test::randomNpc(values));
        const std::optional<NpcReading> reading = readNpcDefinition(script);
        ASSERT_TRUE(reading);
        ASSERT_EQ(npcScript(reading->record), script);
        ASSERT_TRUE(reading->unheld.empty()) << script;
    }
}

TEST(NpcReader, GroupsFillTheirBoxesInOrderAndListWhatIsLeftOver)
{
    std::vector<std::string> lines = {"[CHARDEF c_ogre]", "CAN=MT_WALK", "TEVENTS=e_one", "can=MT_RUN",
                                      "TSPEECH=s_one", "CAN=MT_FLY", "CAN=MT_SWIM", "wrestling = 70,85",
                                      "FOO={1 2}", "ON=@CREATE", "STR=200,250", "FAME={1 2}", "FAME={3 4}"};
    for (int slot = 1; slot <= 6; ++slot)
        lines.push_back("my skill " + std::to_string(slot) + "={" + std::to_string(slot) + " 9}");
    const std::optional<NpcReading> reading = readNpcDefinition(joined(lines));
    ASSERT_TRUE(reading);
    const NpcRecord& npc = reading->record;
    EXPECT_EQ(npc.lists, (std::array<std::string, 10>{"MT_WALK", "MT_RUN", "MT_FLY", "s_one", "", "", "e_one"}));
    EXPECT_EQ(npc.brain, "");
    EXPECT_EQ(npc.stats[2], (RangeValues{"200", "250"}));
    EXPECT_EQ(npc.stats[0], (RangeValues{"1", "2"}));
    EXPECT_EQ(npc.skills[0], (SkillSlot{"wrestling", "70", "85"}));
    EXPECT_EQ(npc.skills[1], (SkillSlot{"my skill 1", "1", "9"}));
    EXPECT_EQ(npc.skills[5], (SkillSlot{"my skill 5", "5", "9"}));
    std::vector<std::string> unheld;
    for (const UnheldLine& line : reading->unheld)
        unheld.push_back(std::to_string(line.number) + " " + line.text);
    EXPECT_EQ(unheld, (std::vector<std::string>{"7 CAN=MT_SWIM", "9 FOO={1 2}", "13 FAME={3 4}",
                                                 "19 my skill 6={6 9}"}));
}

} // namespace
} // namespace defwright
