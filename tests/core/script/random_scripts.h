#pragma once

// Random records, and scripts that write them in the many ways scripters do.

#include "core/items/item_layout.h"
#include "core/npcs/npc_layout.h"
#include "core/script/ascii_case.h"

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace defwright::test {

class RandomScripts {
public:
    explicit RandomScripts(unsigned seed)
        : random_(seed)
    {
    }

    bool chance(double probability) { return std::bernoulli_distribution(probability)(random_); }

    std::size_t below(std::size_t end) { return std::uniform_int_distribution<std::size_t>(0, end - 1)(random_); }

    template <typename Items>
    auto pick(const Items& items) -> decltype(items[0])
    {
        return items[below(items.size())];
    }

    // Printable text heavy in the script's own syntax: blanks, braces, commas
    // and "=" (but no "//"), without blanks at its ends. A third are empty.
    std::string value(std::string_view also = " {},=")
    {
        std::string text(chance(1.0 / 3) ? 0 : 1 + below(10), 'x');
        for (char& character : text) {
            do
                character = chance(0.5) && !also.empty() ? pick(also) : static_cast<char>(0x21 + below(0x5e));
            while (character == '/');
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        while (!text.empty() && text.front() == ' ')
            text.erase(0, 1);
        return text;
    }

    // A range's value has no separator in it: a blank or comma there would split it.
    std::string rangeValue()
    {
        std::string text = value("=");
        std::erase_if(text, [](char c) { return c == ' ' || c == ',' || c == '{' || c == '}'; });
        return text;
    }

    // A skill's name: one of the list, in any case; only those are read as skills.
    std::string skillName() { return chance(0.2) ? std::string() : anyCase(pick(npcLayout().skillNames)); }

    // No brackets: one would end the header or make it no header.
    std::string identifier()
    {
        std::string text = value("{=");
        std::erase_if(text, [](char c) { return c == '[' || c == ']'; });
        return text;
    }

    std::string anyCase(std::string_view text)
    {
        std::string result(text);
        for (char& character : result)
            character = chance(0.5) ? asciiLower(character) : asciiUpper(character);
        return result;
    }

    std::string blanks() { return pick(std::vector<std::string>{"", "", " ", "\t", "  \t"}); }

    std::string comment() { return chance(0.7) ? "" : blanks() + pick(std::vector<std::string>{" //c", "//Ægis"}); }

    // A line the fields do not hold: a comment, a blank line, an unknown key,
    // a line of a function call. None is a key of the page or looks like a skill's.
    std::string unknownLine()
    {
        return blanks()
            + pick(std::vector<std::string>{"// a note", "", "DEFNAME=i_thing", "TAG.X = 1", "f_call 1,2", "RESLEVEL=2"});
    }

    ItemRecord item();
    NpcRecord npc();

private:
    std::mt19937 random_;
};

/// A script of several definitions of both kinds and other sections, each
/// written in a random style, and where each definition's header begins.
struct RandomScript {
    std::string text;
    std::vector<std::size_t> itemHeaders;
    std::vector<ItemRecord> items;
    std::vector<std::size_t> npcHeaders;
    std::vector<NpcRecord> npcs;
};

RandomScript randomScript(RandomScripts& random, std::string_view lineBreak);

} // namespace defwright::test
