#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

class FolderIndex;

/// What a pane can offer to complete at the caret.
struct CompletionPlace {
    enum class Kind { None, Key, Trigger, Name };

    Kind kind = Kind::None;
    std::size_t typed = 0; ///< bytes before the caret that the choice replaces
    std::string key;       ///< Name: the naming key, upper case
};

/// Where the caret stands, from the line's text before it and the kind of
/// section it is in (upper case, empty outside any): a key at a line's start
/// in an ITEMDEF or CHARDEF, a trigger after "ON=@", or a name in the value
/// of a naming key (isNamingKey()). Unless `asked`, a key needs two letters
/// typed and a name one.
[[nodiscard]] CompletionPlace completionPlace(std::string_view beforeCaret, std::string_view sectionKind, bool asked);

/// The keys of that kind's fields and those the folder uses in that kind of
/// section, each with its "=" and once, without regard to case.
[[nodiscard]] std::vector<std::string> completionKeys(std::string_view sectionKind, const FolderIndex& index);

/// The trigger names of both kinds of definition and those the folder uses, each with its "@".
[[nodiscard]] std::vector<std::string> completionTriggers(const FolderIndex& index);

/// The names the index holds, as first written, that a value of `key` can
/// name: types for TYPE=, events for TEVENTS= and EVENTS=, items and
/// templates for ITEM=, ITEMNEWBIE= and DUPEITEM=. Only those that begin
/// with `prefix` (any case); no ids.
[[nodiscard]] std::vector<std::string> completionNames(std::string_view key, std::string_view prefix,
                                                       const FolderIndex& index);

} // namespace defwright
