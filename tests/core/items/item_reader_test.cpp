#include "core/items/item_reader.h"

#include "core/items/item_script.h"
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

std::vector<std::size_t> unheldNumbers(const ItemReading& reading)
{
    std::vector<std::size_t> numbers;
    for (const UnheldLine& line : reading.unheld)
        numbers.push_back(line.number);
    return numbers;
}

TEST(ItemReader, WorkedExampleAndEmptyRecordReadBackExactly)
{
    for (const ItemRecord& item : {samples::magicSword(), ItemRecord{}}) {
        const std::optional<ItemReading> reading = readItemDefinition(itemScript(item));
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->record, item);
        EXPECT_TRUE(reading->unheld.empty());
    }
}

TEST(ItemReader, EveryRandomScriptIsWrittenAgainAsItWas)
{
    test::PrintableValues values(1306);
    for (int run = 0; run < 10'000; ++run) {
        const std::string script = itemScript(test::randomItem(values));
        const std::optional<ItemReading> reading = readItemDefinition(script);
        ASSERT_TRUE(reading);
        ASSERT_EQ(itemScript(reading->record), script);
        ASSERT_TRUE(reading->unheld.empty()) << script;
    }
}

TEST(ItemReader, HandWrittenLinesFillTheirFieldsOrAreListed)
{
    const std::string script = joined({
        "[itemdef  I_axe]",      // 1
        "  name =Axe",           // 2: blanks before the key and the "=" are not the key's
        "ARMOR=   ",             // 3: a value of blanks is a value
        "Name=Second",           // 4: given twice
        "FOO=1",                 // 5: no field
        "a line without a key",  // 6
        "COLOR=1",               // 7: the colour belongs to the creation block
        "Type=T_NORMAL",
        "",
        "on=@create",
        "hitpoints= 30,40 ",
        "COLOR=0481",
        "ON=@CLICK",             // 13: a trigger block and all of its lines
        "SAY hello",             // 14
        "DYE=2",                 // 15
    });
    const std::optional<ItemReading> reading = readItemDefinition(script);
    ASSERT_TRUE(reading);
    ItemRecord expected;
    expected.identifier = "axe";
    expected.basic[0] = "Axe";
    expected.basic[3] = "   ";
    expected.type = "T_NORMAL";
    expected.hitPointsLow = "30";
    expected.hitPointsHigh = "40";
    expected.color = "0481";
    EXPECT_EQ(reading->record, expected);
    EXPECT_EQ(unheldNumbers(*reading), (std::vector<std::size_t>{4, 5, 6, 7, 13, 14, 15}));
    EXPECT_EQ(reading->unheld.front().text, "Name=Second");
}

TEST(ItemReader, HitPointsSplitIntoTheLowAndTheHighBox)
{
    struct Case {
        std::string value, low, high;
    };
    for (const Case& c : std::vector<Case>{{"{30 40}", "30", "40"},
                                           {"{30 }", "30", ""},
                                           {"{  40}", " ", "40"},   // a low value of one blank
                                           {"{30,40}", "30", "40"},
                                           {"30 , 40", "30", "40"},
                                           {"30 40", "30", "40"},
                                           {"30", "30", ""}}) {
        const auto reading = readItemDefinition("[ITEMDEF i_x]\r\nON=@CREATE\r\nHITPOINTS=" + c.value);
        ASSERT_TRUE(reading);
        EXPECT_EQ(reading->record.hitPointsLow, c.low) << c.value;
        EXPECT_EQ(reading->record.hitPointsHigh, c.high) << c.value;
    }
}

TEST(ItemReader, ReadsTheItemDefinitionThatHoldsTheCaret)
{
    const std::string script = joined({
        "//banner",       // 0
        "[ITEMDEF i_a]",  // 1
        "NAME=A",         // 2
        "// the ogre",    // 3: above the next header, so the next definition's
        "[CHARDEF c_b]",  // 4
        "NAME=B",         // 5
        "[ITEMDEF i_c]",  // 6
        "NAME=C",         // 7
        "EXTRA=1",        // 8
    });
    struct Case {
        std::size_t caretLine;
        std::optional<std::string> identifier;
    };
    for (const Case& c : std::vector<Case>{{0, "a"}, {3, "a"}, {4, std::nullopt}, {5, std::nullopt},
                                           {6, "c"}, {8, "c"}, {99, "c"}}) {
        const std::optional<ItemReading> reading = readItemDefinition(script, c.caretLine);
        ASSERT_EQ(reading.has_value(), c.identifier.has_value()) << c.caretLine;
        if (reading) {
            EXPECT_EQ(reading->record.identifier, *c.identifier) << c.caretLine;
        }
    }
    EXPECT_EQ(unheldNumbers(*readItemDefinition(script, 7)), std::vector<std::size_t>{9});
    EXPECT_EQ(readItemDefinition(script, 1)->record.basic[0], "A");
    EXPECT_TRUE(readItemDefinition(script, 1)->unheld.empty());
    EXPECT_FALSE(readItemDefinition("NAME=x\r\n[CHARDEF c_x]", 0));
    EXPECT_FALSE(readItemDefinition("", 0));
}

} // namespace
} // namespace defwright
