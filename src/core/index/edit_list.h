#pragma once

#include "core/script/text_edit.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// Whether edits can be applied together: each within the text, in the order
/// of the text, none overlapping another.
[[nodiscard]] bool areApart(std::string_view text, std::span<const TextEdit> edits);

/// The text with every edit applied at once; the edits must be apart (areApart()).
[[nodiscard]] std::string applyEdits(std::string_view text, std::span<const TextEdit> edits);

/// The edits that take the edited text back to `text`, byte for byte.
[[nodiscard]] std::vector<TextEdit> inverseEdits(std::string_view text, std::span<const TextEdit> edits);

} // namespace defwright
