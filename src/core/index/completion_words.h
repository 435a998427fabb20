#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

class FolderIndex;

/// Where a pane can offer the names of the folder: in the value of a naming key.
struct NameCompletionPlace {
    std::size_t typed = 0; ///< bytes before the caret that the choice replaces
    std::string key;       ///< the naming key, upper case
};

/// Whether the caret stands in the value of a naming key (isNamingKey()),
/// from the line's text before it; unless `asked`, a name's first letter
/// must be typed.
[[nodiscard]] std::optional<NameCompletionPlace> nameCompletionPlace(std::string_view beforeCaret, bool asked);

/// The names the index holds, as first written, that a value of `key` can
/// name: types for TYPE=, events for TEVENTS= and EVENTS=, items and
/// templates for ITEM=, ITEMNEWBIE= and DUPEITEM=. Those that begin with
/// `typed` come first, then those that hold it elsewhere (see fittingWords());
/// no ids.
[[nodiscard]] std::vector<std::string> completionNames(std::string_view key, std::string_view typed,
                                                       const FolderIndex& index);

} // namespace defwright
