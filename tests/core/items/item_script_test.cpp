#include "core/items/item_script.h"

#include "core/script/script_lines.h"
#include "worked_examples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

using test::scriptLines;
using Lines = std::vector<std::string>;
using samples::magicSword;

const Lines kBanner = {
    "//Compiled with Defwright by Vostrel",
    "//Defwright: https://defwright.example.org",
    "//Please do not edit this tag",
};

Lines withBanner(const Lines& rest)
{
    Lines lines = kBanner;
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

TEST(ItemScript, WorkedExampleGivesItsTwentyLines)
{
    const Lines expected = withBanner({
        "[ITEMDEF i_magic_sword]",
        "NAME=Magic Sword",
        "ID=0f5e",
        "DAM=9,14",
        "SPEED=40",
        "VALUE=1500",
        "WEIGHT=6",
        "SKILL=Swordsmanship",
        "TYPE=T_WEAPON_SWORD",
        "",
        "CATEGORY=Weapons",
        "SUBSECTION=Swords",
        "DESCRIPTION=Magic Sword",
        "",
        "ON=@CREATE",
        "HITPOINTS={30 40}",
        "COLOR=0481",
    });
    EXPECT_EQ(scriptLines(itemScript(magicSword())), expected);
}

TEST(ItemScript, EmptyRecordGivesHeaderTwoEmptyLinesAndCreate)
{
    EXPECT_EQ(scriptLines(itemScript(ItemRecord{})),
              withBanner({"[ITEMDEF i_]", "", "", "ON=@CREATE"}));
}

TEST(ItemScript, LowHitPointsAloneDecideTheLine)
{
    ItemRecord highOnly;
    highOnly.hitPointsHigh = "40";
    EXPECT_EQ(scriptLines(itemScript(highOnly)).back(), "ON=@CREATE");

    ItemRecord lowOnly;
    lowOnly.hitPointsLow = "30";
    EXPECT_EQ(scriptLines(itemScript(lowOnly)).back(), "HITPOINTS={30 }");
}

TEST(ItemScript, ValuesAreCopiedExactlyAsTyped)
{
    ItemRecord item;
    item.basic[0] = "NAME=x";
    item.basic[3] = "   ";
    item.type = "t_my_Own {type}";
    item.color = "Grün ☀";
    const Lines lines = scriptLines(itemScript(item));
    EXPECT_EQ(lines[4], "NAME=NAME=x");
    EXPECT_EQ(lines[5], "ARMOR=   ");
    EXPECT_EQ(lines[6], "TYPE=t_my_Own {type}");
    EXPECT_EQ(lines.back(), "COLOR=Grün ☀");
}

TEST(ItemScript, BasicLinesComeInIndexOrderBeforeTheType)
{
    ItemRecord item;
    item.type = "T_NORMAL";
    item.basic[21] = "c";
    item.basic[19] = "6";
    item.basic[18] = "10";
    item.basic[14] = "a";
    const Lines lines = scriptLines(itemScript(item));
    const Lines middle(lines.begin() + 4, lines.begin() + 9);
    EXPECT_EQ(middle, (Lines{"TDATA1=a", "REQSTR=10", "WEIGHT=6", "SKILLMAKE=c", "TYPE=T_NORMAL"}));
}

TEST(ItemFocusScript, StopsAfterTheAxisLines)
{
    const Lines full = scriptLines(itemScript(magicSword()));
    EXPECT_EQ(scriptLines(itemFocusScript(magicSword())), Lines(full.begin(), full.begin() + 16));

    ItemRecord noAxis = magicSword();
    noAxis.axis = {};
    const std::string text = itemFocusScript(noAxis);
    EXPECT_TRUE(text.ends_with("TYPE=T_WEAPON_SWORD\r\n"));
}

} // namespace
} // namespace defwright
