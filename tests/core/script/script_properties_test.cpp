#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"

#include "worked_examples.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>

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
    void fillOne(std::string& value)
    {
        static constexpr std::string_view kSyntax = " {},=";
        value.assign(std::bernoulli_distribution(1.0 / 3)(random_) ? 0 : number(1, 10), ' ');
        for (char& character : value) {
            const bool syntax = std::bernoulli_distribution(0.5)(random_);
            character = syntax ? kSyntax[number(0, kSyntax.size() - 1)] : static_cast<char>(number(0x20, 0x7e));
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

    std::size_t number(std::size_t low, std::size_t high)
    {
        return std::uniform_int_distribution<std::size_t>(low, high)(random_);
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

constexpr int kRecords = 10'000;

TEST(ScriptProperties, EveryRandomItemScriptReadsBack)
{
    RandomFields random(1306);
    for (int run = 0; run < kRecords; ++run) {
        ItemRecord item;
        random.fill(item.identifier, item.basic, item.type, item.axis, item.hitPointsLow, item.hitPointsHigh,
                    item.color);
        ASSERT_NO_FATAL_FAILURE(expectReadsBack(readItemDefinition, itemScript, item));
    }
}

TEST(ScriptProperties, EveryRandomNpcScriptReadsBack)
{
    RandomFields random(2203);
    for (int run = 0; run < kRecords; ++run) {
        NpcRecord npc;
        random.fill(npc.identifier, npc.basic, npc.lists, npc.brain, npc.stats, npc.creation, npc.skills);
        ASSERT_NO_FATAL_FAILURE(expectReadsBack(readNpcDefinition, npcScript, npc));
    }
}

TEST(ScriptProperties, WorkedExamplesAndEmptyRecordsReadBackExactly)
{
    NpcRecord trollGuard = samples::trollGuard();
    trollGuard.stats[1] = {}; // the values that no line carries
    trollGuard.skills[2] = {};
    for (const ItemRecord& item : {samples::magicSword(), ItemRecord{}})
        EXPECT_EQ(readItemDefinition(itemScript(item)).value().record, item);
    for (const NpcRecord& npc : {trollGuard, NpcRecord{}})
        EXPECT_EQ(readNpcDefinition(npcScript(npc)).value().record, npc);
}

} // namespace
} // namespace defwright
