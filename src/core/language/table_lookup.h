#pragma once

#include "core/script/ascii_case.h"

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

namespace defwright {

/// The order of an upper-case word of a table against a word as a script
/// writes it, in any case: <0, 0 or >0 as `upper` comes before, equals or
/// follows the upper-case form of `written`.
[[nodiscard]] constexpr int compareUpper(std::string_view upper, std::string_view written)
{
    const std::size_t common = std::min(upper.size(), written.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char other = asciiUpper(written[i]);
        if (upper[i] != other)
            return static_cast<unsigned char>(upper[i]) < static_cast<unsigned char>(other) ? -1 : 1;
    }
    return upper.size() == written.size() ? 0 : upper.size() < written.size() ? -1 : 1;
}

/// Whether `left` comes before `right` in alphabetical order, ASCII letters compared without regard to case.
[[nodiscard]] constexpr bool lessIgnoringCase(std::string_view left, std::string_view right)
{
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(), [](char a, char b) {
        return static_cast<unsigned char>(asciiUpper(a)) < static_cast<unsigned char>(asciiUpper(b));
    });
}

/// The rows of a table sorted by the upper-case word `word(row)` whose word
/// is `written` in any case; none, or several next to each other.
template <typename Row, typename Word>
[[nodiscard]] std::span<const Row> rowsOf(std::span<const Row> rows, Word word, std::string_view written)
{
    const auto first = std::partition_point(rows.begin(), rows.end(),
                                            [&](const Row& row) { return compareUpper(word(row), written) < 0; });
    const auto last = std::partition_point(first, rows.end(),
                                           [&](const Row& row) { return compareUpper(word(row), written) == 0; });
    return {first, last};
}

} // namespace defwright
