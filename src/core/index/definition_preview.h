#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace defwright {

/// What shows a definition found by its name, for a hover: for a section's
/// header that begins at `lineStart`, the header line and the NAME=, ID= and
/// TYPE= lines of its body (before its first trigger), as written; for any
/// other line, such as one of a [DEFNAME] list that defines the name, that
/// line alone. Without the blanks around them.
[[nodiscard]] std::vector<std::string_view> definitionPreview(std::string_view text, std::size_t lineStart);

} // namespace defwright
