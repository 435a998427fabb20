#include "core/items/item_script.h"
#include "core/npcs/npc_script.h"

#include "core/script/random_records.h"
#include "core/script/script_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <string_view>

namespace defwright {
namespace {

using test::randomItem;
using test::randomNpc;
using test::scriptLines;

// Draws field values from the texts most likely to upset a generator: nothing,
// blanks, the characters of the script's own syntax, long and non-ASCII text.
class ValueSource {
public:
    explicit ValueSource(unsigned seed)
        : random_(seed)
    {
    }

    std::string next()
    {
        static constexpr std::array<std::string_view, 10> kPieces = {
            "", " ", "   ", "=", "{", "}", "NAME=x", "Grün", "日本語 ☀", "\t",
        };
        switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
        case 0:
        case 1:
            return "";
        case 2:
            return std::string(std::uniform_int_distribution<std::size_t>(1, 5000)(random_), 'x');
        default: {
            std::string value;
            const int pieces = std::uniform_int_distribution<int>(1, 4)(random_);
            for (int i = 0; i < pieces; ++i)
                value += kPieces[std::uniform_int_distribution<std::size_t>(0, kPieces.size() - 1)(random_)];
            return value;
        }
        }
    }

private:
    std::mt19937 random_;
};

template <typename Values>
std::size_t filled(const Values& values)
{
    return std::count_if(values.begin(), values.end(), [](const std::string& v) { return !v.empty(); });
}

std::size_t filled(const std::string& value)
{
    return value.empty() ? 0 : 1;
}

constexpr int kRecords = 500;

TEST(ScriptProperties, ItemScriptHasALinePerFilledFieldAndTheFocusScriptIsItsPrefix)
{
    ValueSource values(20261206);
    for (int run = 0; run < kRecords; ++run) {
        const ItemRecord item = randomItem(values);
        const std::string full = itemScript(item);
        const std::size_t fixedLines = 3 + 1 + 2 + 1; // banner, header, two empty lines, ON=@CREATE
        const std::size_t fieldLines = filled(item.basic) + filled(item.type) + filled(item.axis)
            + filled(item.hitPointsLow) + filled(item.color);

        EXPECT_FALSE(full.ends_with("\r\n"));
        EXPECT_EQ(scriptLines(full).size(), fixedLines + fieldLines);
        EXPECT_TRUE(full.starts_with(itemFocusScript(item)));
    }
}

TEST(ScriptProperties, NpcScriptHasALinePerFilledField)
{
    ValueSource values(42);
    for (int run = 0; run < kRecords; ++run) {
        const NpcRecord npc = randomNpc(values);
        const std::string text = npcScript(npc);
        const std::size_t fixedLines = 3 + 1 + 1 + 1 + 1; // banner, header, empty line, ON=@CREATE, NPC=
        const std::size_t statLines = std::count_if(npc.stats.begin(), npc.stats.end(),
                                                    [](const RangeValues& s) { return !s.low.empty(); });
        const std::size_t skillLines = std::count_if(npc.skills.begin(), npc.skills.end(),
                                                     [](const SkillSlot& s) { return !s.name.empty(); });
        const std::size_t fieldLines = filled(npc.basic) + filled(npc.lists) + statLines
            + filled(npc.creation) + skillLines;

        EXPECT_FALSE(text.ends_with("\r\n"));
        EXPECT_EQ(scriptLines(text).size(), fixedLines + fieldLines);
    }
}

} // namespace
} // namespace defwright
