#include "core/index/reference_names.h"

#include "core/index/definition_name.h"
#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

#include <array>
#include <algorithm>

namespace defwright {
namespace {

constexpr std::array<std::string_view, 6> kNamingKeys = {"DUPEITEM", "TYPE", "ITEMNEWBIE", "ITEM", "TEVENTS", "EVENTS"};

bool holdsExpression(std::string_view value)
{
    return value.find_first_of("<>()\"[]") != std::string_view::npos;
}

// Calls `visit` with each piece between any of `separators`, leaving out empty pieces.
template <typename Visit>
void forEachPiece(std::string_view text, std::string_view separators, Visit visit)
{
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && separators.find(text[at]) == std::string_view::npos)
            continue;
        if (at > start)
            visit(text.substr(start, at - start));
        start = at + 1;
    }
}

void addIfName(std::vector<std::string_view>& names, std::string_view word, bool numbersCount)
{
    if (isDefinitionName(word) || (numbersCount && isIdNumber(word)))
        names.push_back(word);
}

void addItemNames(std::string_view value, std::vector<std::string_view>& names)
{
    if (value.empty() || value.front() != '{') {
        addIfName(names, trimBlanks(value.substr(0, value.find(','))), false);
        return;
    }
    const std::size_t close = value.find('}');
    if (close == std::string_view::npos)
        return;
    std::size_t word = 0;
    forEachPiece(value.substr(1, close - 1), " \t,", [&names, &word](std::string_view piece) {
        if (word++ % 2 == 0)
            addIfName(names, piece, false);
    });
}

} // namespace

bool startsNamingKeyOrTrigger(char first)
{
    const char upper = asciiUpper(first);
    return upper == 'O' || std::any_of(kNamingKeys.begin(), kNamingKeys.end(),
                                       [upper](std::string_view key) { return key.front() == upper; });
}

bool isNamingKey(std::string_view key)
{
    return !namingKey(key).empty();
}

std::string_view namingKey(std::string_view key)
{
    const auto found = std::find_if(kNamingKeys.begin(), kNamingKeys.end(),
                                    [key](std::string_view naming) { return equalsIgnoringCase(naming, key); });
    return found == kNamingKeys.end() ? std::string_view() : *found;
}

std::vector<std::string_view> referencedNames(std::string_view key, std::string_view value)
{
    std::vector<std::string_view> names;
    addReferencedNames(key, value, names);
    return names;
}

void addReferencedNames(std::string_view key, std::string_view value, std::vector<std::string_view>& names)
{
    if (!isNamingKey(key) || holdsExpression(value))
        return;
    if (key == "ITEM" || key == "ITEMNEWBIE") {
        addItemNames(value, names);
    } else if (key == "TEVENTS" || key == "EVENTS") {
        forEachPiece(value, ", \t", [&names](std::string_view word) {
            addIfName(names, word.substr(word.front() == '+' || word.front() == '-' ? 1 : 0), false);
        });
    } else {
        addIfName(names, value, key == "DUPEITEM");
    }
}

} // namespace defwright
