#include "core/items/item_kind.h"

#include "core/script/script_lines.h"
#include "core/script/text_lines.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace defwright {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

// The worked example's twenty lines, and edge values; what is written reads back.
TEST(ItemScript, WritesFilledFieldsInIndexOrderAsTypedAndReadsThemBack)
{
    EXPECT_EQ(itemScript(samples::magicSword()), scriptText({
        "//Compiled with Defwright by Vostrel",
        "//Defwright: https://defwright.example.org",
        "//Please do not edit this tag",
        "[ITEMDEF i_magic_sword]",
        "NAME=Magic Sword", "ID=0f5e", "DAM=9,14", "SPEED=40", "VALUE=1500", "WEIGHT=6",
        "SKILL=Swordsmanship",
        "TYPE=T_WEAPON_SWORD",
        "",
        "CATEGORY=Weapons", "SUBSECTION=Swords", "DESCRIPTION=Magic Sword",
        "",
        "ON=@CREATE", "HITPOINTS={30 40}", "COLOR=0481",
    }));
    EXPECT_EQ(readDefinition<ItemKind>(itemScript(samples::magicSword())).value().record, samples::magicSword());
    ItemRecord item;
    item.basic[21] = "c";
    item.basic[18] = "10";
    item.basic[3] = "   ";
    item.basic[0] = "NAME=x";
    item.type = "t_my_Own {type}";
    item.hitPointsHigh = "40"; // the low value alone decides the hit points line
    item.color = "Grün ☀";
    EXPECT_EQ(itemScript(item), withBanner({"[ITEMDEF i_]", "NAME=NAME=x", "ARMOR=   ", "REQSTR=10",
                                            "SKILLMAKE=c", "TYPE=t_my_Own {type}", "", "", "ON=@CREATE",
                                            "COLOR=Grün ☀"}));
    item = {};
    EXPECT_EQ(itemScript(item), withBanner({"[ITEMDEF i_]", "", "", "ON=@CREATE"}));
    EXPECT_EQ(readDefinition<ItemKind>(itemScript(item)).value().record, item);
    item.hitPointsLow = "30";
    EXPECT_EQ(itemScript(item), withBanner({"[ITEMDEF i_]", "", "", "ON=@CREATE", "HITPOINTS={30 }"}));
}

TEST(ItemFocusScript, StopsAfterTheAxisLines)
{
    ItemRecord item = samples::magicSword();
    EXPECT_EQ(itemFocusScript(item) + "\r\n\r\nON=@CREATE\r\nHITPOINTS={30 40}\r\nCOLOR=0481",
              itemScript(item));
    item.axis = {};
    EXPECT_TRUE(itemFocusScript(item).ends_with("TYPE=T_WEAPON_SWORD\r\n"));
}

// Headers and keys as real scripts write them: any case, blanks and tabs,
// comments after the "]" and after values, values without their outer blanks.
TEST(ItemReader, HandWrittenLinesFillTheirFieldsOrAreListed)
{
    const std::optional<ItemReading> reading = readDefinition<ItemKind>(scriptText({
        " [itemdef\t I_axe ] // a tool", // 1
        "  name =\tAxe //Ægis",          // 2: blanks and the comment are the line's
        "ARMOR=   ",                      // 3: a value of blanks is empty
        "Name=Second",                    // 4: given twice
        "FOO=1",                          // 5: no field
        "a line without a key",           // 6
        "COLOR=1",                        // 7: the colour belongs to the creation block
        "\tType = T_NORMAL",
        "// a comment line",
        "on=@create",
        "hitpoints= 30,40 ",
        "COLOR=0481",
        "ON=@CLICK",                      // 13: a trigger block and all of its lines
        "SAY hello",                      // 14
        "DYE=2",                          // 15
    }));
    ASSERT_TRUE(reading);
    EXPECT_EQ(itemScript(reading->record),
              withBanner({"[ITEMDEF i_axe]", "NAME=Axe", "TYPE=T_NORMAL", "", "", "ON=@CREATE", "HITPOINTS={30 40}",
                          "COLOR=0481"}));
    EXPECT_EQ(unheldLines(reading->unheld), (Lines{"4 Name=Second", "5 FOO=1", "6 a line without a key",
                                                   "7 COLOR=1", "13 ON=@CLICK", "14 SAY hello", "15 DYE=2"}));
}

// Real headers name their item by number, the name in a DEFNAME line the fields do not show.
TEST(ItemReader, ReadsEveryFormOfHeaderAndRange)
{
    const std::vector<std::pair<std::string, std::string>> identifierOf = {
        {"[ITEMDEF i_x]", "x"}, {"[ITEMDEF 0f5e]", "0f5e"}, {"[itemdef 0x0f5e]", "0x0f5e"},
        {"[ItemDef\ti_x]//c", "x"}, {"[ITEMDEF 0a25] // lantern", "0a25"}, {"[ITEMDEF]", ""},
    };
    for (const auto& [header, identifier] : identifierOf) {
        const std::optional<ItemReading> reading = readDefinition<ItemKind>(header + "\nNAME=n");
        ASSERT_TRUE(reading) << header;
        EXPECT_EQ(reading->record.identifier, identifier) << header;
        EXPECT_EQ(reading->record.basic[0], "n") << header;
    }
    EXPECT_FALSE(readDefinition<ItemKind>("[ITEMDEFX i_x]\nNAME=n"));
    EXPECT_FALSE(readDefinition<ItemKind>("[ITEMDEF i_x\nNAME=n")); // no "]": not a header
    const std::vector<std::pair<std::string, std::pair<std::string, std::string>>> rangeOf = {
        {"{30 40}", {"30", "40"}}, {"30,40", {"30", "40"}}, {"{30,40}", {"30", "40"}}, {"30", {"30", ""}},
        {"{ 30\t40 } //hp", {"30", "40"}}, {"30 , 40", {"30", "40"}}, {"{30}", {"30", ""}},
    };
    for (const auto& [value, range] : rangeOf) {
        const std::optional<ItemReading> reading = readDefinition<ItemKind>("[ITEMDEF 01]\rON=@Create\rHITPOINTS=" + value);
        ASSERT_TRUE(reading) << value;
        EXPECT_EQ(std::pair(reading->record.hitPointsLow, reading->record.hitPointsHigh), range) << value;
    }
}

TEST(ItemReader, ReadsTheItemDefinitionThatHoldsTheCaret)
{
    // Lines 0 to 8; the comment right above the NPC header is the NPC definition's.
    const std::string script = scriptText({"//banner", "[ITEMDEF i_a]", "NAME=A", "// the ogre",
                                           "[CHARDEF c_b]", "NAME=B", "[ITEMDEF 0c] //c", "NAME=C", "EXTRA=1"});
    const TextLines lines(script);
    const std::vector<std::pair<std::size_t, std::string>> identifierAtLine = {
        {0, "a"}, {3, "a"}, {4, ""}, {5, ""}, {6, "0c"}, {8, "0c"}, {99, "0c"}};
    for (const auto& [caretLine, identifier] : identifierAtLine) {
        const std::optional<ItemReading> reading = readDefinition<ItemKind>(script, lines.lineStart(caretLine).start + 1);
        EXPECT_EQ(reading ? reading->record.identifier : "", identifier) << caretLine;
    }
    const std::optional<ItemReading> first = readDefinition<ItemKind>(script, 0);
    EXPECT_TRUE(first->unheld.empty());
    EXPECT_EQ(first->lines.place.start, lines.lineStart(1).start);
    EXPECT_EQ(first->lines.place.end, lines.lineStart(3).start - 2); // "// the ogre" is not the item's
    EXPECT_EQ(first->lines.slotLines[0]->text.of(script), "NAME=A");
    EXPECT_EQ(unheldLines(readDefinition<ItemKind>(script, script.size())->unheld), Lines{"9 EXTRA=1"});
    EXPECT_EQ(readDefinitionAt<ItemKind>(script, lines.lineStart(6).start)->record.basic[0], "C");
    EXPECT_FALSE(readDefinitionAt<ItemKind>(script, lines.lineStart(4).start));
    EXPECT_FALSE(readDefinitionAt<ItemKind>(script, lines.lineStart(6).start + 1));
    EXPECT_FALSE(readDefinition<ItemKind>("NAME=x\r\n[CHARDEF c_x]", 0));
    EXPECT_FALSE(readDefinition<ItemKind>("", 0));
}

} // namespace
} // namespace defwright
