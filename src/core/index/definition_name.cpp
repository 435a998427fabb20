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

// The part of a name its key is made of, after the key's "0" for an id.
std::string_view keyDigits(std::string_view id)
{
    id = withoutHexMark(id);
    id.remove_prefix(std::min(id.find_first_not_of('0'), id.size()));
    return id;
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
    const auto inName = [](char character) { return isLetter(character) || isDigit(character) || character == '_'; };
    std::size_t start = std::min(at, line.size());
    std::size_t end = start;
    while (start > 0 && inName(line[start - 1]))
        --start;
    while (end < line.size() && inName(line[end]))
        ++end;
    return line.substr(start, end - start);
}

std::string nameKey(std::string_view name)
{
    std::string key;
    if (isIdNumber(name)) {
        // One leading zero keeps every id apart from every name, "a25" among them.
        name = keyDigits(name);
        key = "0";
    }
    key += name;
    std::transform(key.begin(), key.end(), key.begin(), asciiLower);
    return key;
}

std::uint32_t nameHash(std::string_view name)
{
    constexpr std::uint32_t kPrime = 16777619U;
    std::uint32_t hash = 2166136261U;
    if (!name.empty() && isDigit(name.front()) && isIdNumber(name)) {
        hash = (hash ^ static_cast<unsigned char>('0')) * kPrime;
        name = keyDigits(name);
    }
    for (const char character : name)
        hash = (hash ^ static_cast<unsigned char>(asciiLower(character))) * kPrime;
    return hash;
}

int compareNameKeys(std::string_view left, std::string_view right)
{
    const bool leftId = isIdNumber(left);
    const bool rightId = isIdNumber(right);
    if (leftId != rightId)
        return leftId ? -1 : 1;
    if (leftId) {
        left = keyDigits(left);
        right = keyDigits(right);
    }
    for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
        const unsigned char leftCharacter = static_cast<unsigned char>(asciiLower(left[i]));
        const unsigned char rightCharacter = static_cast<unsigned char>(asciiLower(right[i]));
        if (leftCharacter != rightCharacter)
            return leftCharacter < rightCharacter ? -1 : 1;
    }
    return left.size() == right.size() ? 0 : left.size() < right.size() ? -1 : 1;
}

} // namespace defwright
