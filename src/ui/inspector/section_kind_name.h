#pragma once

#include <string>
#include <string_view>

namespace defwright {

/// The kind of section a header opens, from the text between its brackets:
/// upper case, aliases resolved; empty for a word that is no kind. On its
/// own, as the language's header words and the definitions' share a name.
[[nodiscard]] std::string sectionKindName(std::string_view bracketed);

} // namespace defwright
