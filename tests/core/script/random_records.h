#pragma once

#include "core/items/item_record.h"
#include "core/npcs/npc_record.h"

#include <random>
#include <string>
#include <string_view>

namespace defwright::test {

// Records with every field drawn from `values`, whose next() gives one text.
template <typename Values>
ItemRecord randomItem(Values& values)
{
    ItemRecord item;
    item.identifier = values.next();
    for (auto& value : item.basic)
        value = values.next();
    item.type = values.next();
    for (auto& value : item.axis)
        value = values.next();
    item.hitPointsLow = values.next();
    item.hitPointsHigh = values.next();
    item.color = values.next();
    return item;
}

template <typename Values>
NpcRecord randomNpc(Values& values)
{
    NpcRecord npc;
    npc.identifier = values.next();
    for (auto& value : npc.basic)
        value = values.next();
    for (auto& value : npc.lists)
        value = values.next();
    npc.brain = values.next();
    for (auto& stat : npc.stats)
        stat = {values.next(), values.next()};
    for (auto& value : npc.creation)
        value = values.next();
    for (auto& skill : npc.skills)
        skill = {values.next(), values.next(), values.next()};
    return npc;
}

// Short printable texts, heavy in the characters of the script's own syntax:
// blanks, braces, commas and "=". A third of them are empty.
class PrintableValues {
public:
    explicit PrintableValues(unsigned seed)
        : random_(seed)
    {
    }

    std::string next()
    {
        static constexpr std::string_view kSyntax = " {},=";
        if (std::bernoulli_distribution(1.0 / 3)(random_))
            return {};
        std::string value(std::uniform_int_distribution<std::size_t>(1, 10)(random_), ' ');
        for (char& character : value) {
            const bool syntax = std::bernoulli_distribution(0.5)(random_);
            character = syntax ? kSyntax[std::uniform_int_distribution<std::size_t>(0, kSyntax.size() - 1)(random_)]
                               : static_cast<char>(std::uniform_int_distribution<int>(0x20, 0x7e)(random_));
        }
        return value;
    }

private:
    std::mt19937 random_;
};

} // namespace defwright::test
