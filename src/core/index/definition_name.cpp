#include "core/index/definition_name.h"

#include "core/script/ascii_case.h"

#include <algorithm>

namespace defwright {
namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

bool isHexDigit(char character)
{
    const char lower = asciiLower(character);
    return isDigit(character) || (lower >= 'a' && lower <= 'f');
}

bool isLetter(char character)
{
    const char lower = asciiLower(character);
    return lower >= 'a' && lower <= 'z';
}

std::string_view withoutHexMark(std::string_view name)
{
    return name.size() > 2 && name[0] == '0' && asciiLower(name[1]) == 'x' ? name.substr(2) : name;
}

} // namespace

bool isIdNumber(std::string_view name)
{
    if (name.empty() || !isDigit(name.front()))
        return false;
    const std::string_view digits = withoutHexMark(name);
    return std::all_of(digits.begin(), digits.end(), isHexDigit);
}

bool isDefinitionName(std::string_view name)
{
    if (name.empty() || !(isLetter(name.front()) || name.front() == '_'))
        return false;
    return std::all_of(name.begin(), name.end(),
                       [](char character) { return isLetter(character) || isDigit(character) || character == '_'; });
}

std::string_view nameAt(std::string_view line, std::size_t at)
{
    const auto inName = [](char character) {
        return isLetter(character) || isDigit(character) || character == '_' || character == '.';
    };
    std::size_t start = std::min(at, line.size());
    std::size_t end = start;
    while (start > 0 && inName(line[start - 1]))
        --start;
    while (end < line.size() && inName(line[end]))
        ++end;
    std::string_view name = line.substr(start, end - start);
    while (!name.empty() && name.front() == '.')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == '.')
        name.remove_suffix(1);
    return name;
}

std::string nameKey(std::string_view name)
{
    std::string key;
    if (isIdNumber(name)) {
        // One leading zero keeps every id apart from every name, "a25" among them.
        name = withoutHexMark(name);
        name.remove_prefix(std::min(name.find_first_not_of('0'), name.size()));
        key = "0";
    }
    key += name;
    std::transform(key.begin(), key.end(), key.begin(), asciiLower);
    return key;
}

} // namespace defwright
