#include "core/index/reference_names.h"

#include "core/index/definition_name.h"
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

// Splits at any of `separators`, dropping empty pieces.
std::vector<std::string_view> pieces(std::string_view text, std::string_view separators)
{
    std::vector<std::string_view> found;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(separators), text.size());
        if (end > 0)
            found.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return found;
}

void addIfName(std::vector<std::string_view>& names, std::string_view word, bool numbersCount)
{
    if (isDefinitionName(word) || (numbersCount && isIdNumber(word)))
        names.push_back(word);
}

std::vector<std::string_view> itemNames(std::string_view value)
{
    std::vector<std::string_view> names;
    if (value.empty() || value.front() != '{') {
        addIfName(names, trimBlanks(value.substr(0, value.find(','))), false);
        return names;
    }
    const std::size_t close = value.find('}');
    if (close != std::string_view::npos) {
        const std::vector<std::string_view> words = pieces(value.substr(1, close - 1), " \t,");
        for (std::size_t i = 0; i < words.size(); i += 2)
            addIfName(names, words[i], false);
    }
    return names;
}

} // namespace

bool isNamingKey(std::string_view key)
{
    return std::find(kNamingKeys.begin(), kNamingKeys.end(), key) != kNamingKeys.end();
}

std::vector<std::string_view> referencedNames(std::string_view key, std::string_view value)
{
    if (!isNamingKey(key) || holdsExpression(value))
        return {};
    if (key == "ITEM" || key == "ITEMNEWBIE")
        return itemNames(value);
    std::vector<std::string_view> names;
    if (key == "TEVENTS" || key == "EVENTS") {
        for (std::string_view word : pieces(value, ", \t"))
            addIfName(names, word.substr(word.front() == '+' || word.front() == '-' ? 1 : 0), false);
        return names;
    }
    addIfName(names, value, key == "DUPEITEM");
    return names;
}

} // namespace defwright
