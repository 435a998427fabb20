#pragma once

#include "core/script/text_edit.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// Several edits planned against the same text, made one list
/// that can be applied in one go: sorted by where they stand, edits that touch
/// (one ends where the next begins, an insertion at another's start) joined
/// into one, in the order they were planned. None when two of them overlap:
/// they would then disagree about some bytes.
[[nodiscard]] std::optional<std::vector<TextEdit>> joinedEdits(std::vector<TextEdit> edits);

/// The text with every edit of a joined list applied; each edit's offsets are
/// into `text`, as applying them from the last to the first keeps them.
[[nodiscard]] std::string applyEdits(std::string_view text, std::span<const TextEdit> edits);

/// The joined list that takes the edited text back to `text`, its offsets into the edited text.
[[nodiscard]] std::vector<TextEdit> inverseEdits(std::string_view text, std::span<const TextEdit> edits);

} // namespace defwright
