#pragma once

#include <string_view>
#include <vector>

namespace defwright {

/// Whether values of this key (upper case) name other definitions:
/// DUPEITEM, TYPE, ITEMNEWBIE, ITEM, TEVENTS, EVENTS.
[[nodiscard]] bool isNamingKey(std::string_view key);

/// The names a value of a naming key refers to, as views into the value.
/// ITEM= and ITEMNEWBIE= name one item before any ",amount", or choose from a
/// "{ name weight name weight }" list; TEVENTS= and EVENTS= list names with
/// commas, each may be marked "+" or "-". Numbers count for DUPEITEM= alone;
/// a value with an expression ("<...>", "(...)", quotes) names nothing that
/// can be checked.
[[nodiscard]] std::vector<std::string_view> referencedNames(std::string_view key, std::string_view value);

} // namespace defwright
