#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace defwright {

/// One replacement in a text: the bytes [start, end) become `replacement`.
/// Nothing to change is an empty replacement of nothing.
struct TextEdit {
    std::size_t start = 0;
    std::size_t end = 0;
    std::string replacement;

    [[nodiscard]] bool changesNothing() const { return start == end && replacement.empty(); }

    bool operator==(const TextEdit&) const = default;
};

/// The text with the edit applied.
[[nodiscard]] std::string applyEdit(std::string_view text, const TextEdit& edit);

/// The edit that takes the edited text back to `text`, as one undo step does.
[[nodiscard]] TextEdit inverseEdit(std::string_view text, const TextEdit& edit);

} // namespace defwright
