#pragma once

#include <string>
#include <string_view>

namespace defwright {

/// Letters of scripts are compared in ASCII alone, whatever the locale: keys,
/// section names and triggers are ASCII, and a locale's folding could make two
/// different bytes of UTF-8 text equal.
[[nodiscard]] constexpr char asciiLower(char character)
{
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character - 'A' + 'a') : character;
}

[[nodiscard]] constexpr char asciiUpper(char character)
{
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A') : character;
}

/// Whether two texts are equal when ASCII letters are compared without regard to case.
[[nodiscard]] constexpr bool equalsIgnoringCase(std::string_view left, std::string_view right)
{
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (asciiLower(left[i]) != asciiLower(right[i]))
            return false;
    }
    return true;
}

/// Whether `text` begins with `prefix`, ASCII letters compared without regard to case.
[[nodiscard]] constexpr bool startsIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

/// The text with its ASCII letters in upper case, as keys, kinds and triggers are kept.
[[nodiscard]] inline std::string upperCase(std::string_view text)
{
    std::string upper(text);
    for (char& character : upper)
        character = asciiUpper(character);
    return upper;
}

} // namespace defwright
