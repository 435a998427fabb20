#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"
#include "core/script/text_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {
namespace {

// Fills fields with short printable texts, heavy in the characters of the
// script's own syntax: blanks, braces, commas and "=". A third of them are empty.
class RandomFields {
public:
    explicit RandomFields(unsigned seed)
        : random_(seed)
    {
    }

    template <typename... Fields>
    void fill(Fields&... fields)
    {
        (fillOne(fields), ...);
    }

private:
    using Pick = std::uniform_int_distribution<std::size_t>;

    void fillOne(std::string& value)
    {
        static constexpr std::string_view kSyntax = " {},=";
        value.assign(std::bernoulli_distribution(1.0 / 3)(random_) ? 0 : Pick(1, 10)(random_), ' ');
        for (char& character : value) {
            const bool syntax = std::bernoulli_distribution(0.5)(random_);
            character = syntax ? kSyntax[Pick(0, kSyntax.size() - 1)(random_)]
                               : static_cast<char>(Pick(0x20, 0x7e)(random_));
        }
    }

    void fillOne(RangeValues& range) { fill(range.low, range.high); }
    void fillOne(SkillSlot& skill) { fill(skill.name, skill.low, skill.high); }

    template <typename Value, std::size_t size>
    void fillOne(std::array<Value, size>& values)
    {
        for (Value& value : values)
            fillOne(value);
    }

    std::mt19937 random_;
};

// Whatever the record holds, its script reads back into a record that writes
// the same script, with every line held.
template <typename Read, typename Write, typename Record>
void expectReadsBack(Read read, Write write, const Record& record)
{
    const std::string script = write(record);
    const auto reading = read(script, 0);
    ASSERT_TRUE(reading) << script;
    ASSERT_EQ(write(reading->record), script);
    ASSERT_TRUE(reading->unheld.empty()) << script;
}

TEST(ScriptProperties, EveryRandomRecordsScriptReadsBack)
{
    RandomFields random(1306);
    for (int run = 0; run < 10'000; ++run) {
        ItemRecord item;
        random.fill(item.identifier, item.basic, item.type, item.axis, item.hitPointsLow, item.hitPointsHigh,
                    item.color);
        ASSERT_NO_FATAL_FAILURE(expectReadsBack(readItemDefinition, itemScript, item));
        NpcRecord npc;
        random.fill(npc.identifier, npc.basic, npc.lists, npc.brain, npc.stats, npc.creation, npc.skills);
        ASSERT_NO_FATAL_FAILURE(expectReadsBack(readNpcDefinition, npcScript, npc));
    }
}

// A text of short lines ended by every kind of break, long enough that breaks,
// CR LF pairs among them, fall on the edges of the blocks that are counted at once.
TEST(TextLines, LineStartsAgreeWithABreakByBreakCount)
{
    constexpr std::array<std::string_view, 4> kBreaks = {"\r\n", "\n", "\r", "\r\n"};
    std::mt19937 random(7);
    std::string text;
    std::vector<std::size_t> starts = {0};
    while (text.size() < 20'000) {
        const bool afterLoneCr = text.ends_with('\r'); // an LF next would join it into a CR LF
        text.append(std::uniform_int_distribution<std::size_t>(afterLoneCr ? 1 : 0, 6)(random), 'x');
        text += kBreaks[std::uniform_int_distribution<std::size_t>(0, kBreaks.size() - 1)(random)];
        starts.push_back(text.size());
    }
    const TextLines lines(text);
    for (std::size_t line = 0; line < starts.size(); ++line)
        ASSERT_EQ(lines.lineStart(line).start, starts[line]) << line;
    EXPECT_EQ(lines.lineStart(starts.size() + 5).line, starts.size() - 1);
    EXPECT_EQ(TextLines("ab\r\ncd").lineStart(9).start, 4u);
    EXPECT_EQ(TextLines("").lineStart(3).line, 0u);
}

} // namespace
} // namespace defwright
