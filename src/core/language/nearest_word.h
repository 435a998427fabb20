#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace defwright {

/// How many edits (a letter put in, taken out, changed, or two letters
/// swapped) make one word the other, ASCII letters in any case; `limit` + 1
/// when it takes more than `limit`.
[[nodiscard]] std::size_t editDistance(std::string_view left, std::string_view right, std::size_t limit);

/// The word of `candidates` nearest to `written`, for a "did you mean": one
/// edit away for a word of up to four letters, two for a longer one; the
/// first of those nearest, none when nothing is that near or `written` is
/// one of them.
[[nodiscard]] std::optional<std::string_view> nearestWord(std::string_view written,
                                                          std::span<const std::string_view> candidates);

} // namespace defwright
