#pragma once

#include <string_view>
#include <vector>

namespace defwright {

/// Whether values of this key (upper case) name other definitions:
/// DUPEITEM, TYPE, ITEMNEWBIE, ITEM, TEVENTS, EVENTS.
[[nodiscard]] bool isNamingKey(std::string_view key);

/// Whether a line that begins with this character may be a naming key's or
/// a trigger's ("ON=@"), in any case.
[[nodiscard]] bool startsNamingKeyOrTrigger(char first);

/// The naming key itself (any case), in upper case, as a view that lives as
/// long as the program; empty for a key that names nothing.
[[nodiscard]] std::string_view namingKey(std::string_view key);

/// The names a value of a naming key refers to, as views into the value.
/// ITEM= and ITEMNEWBIE= name one item before any ",amount", or choose from a
/// "{ name weight name weight }" list; TEVENTS= and EVENTS= list names with
/// commas, each may be marked "+" or "-". Numbers count for DUPEITEM= alone;
/// a value with an expression ("<...>", "(...)", quotes) names nothing that
/// can be checked.
[[nodiscard]] std::vector<std::string_view> referencedNames(std::string_view key, std::string_view value);

/// The same, added to `names`.
void addReferencedNames(std::string_view key, std::string_view value, std::vector<std::string_view>& names);

} // namespace defwright
