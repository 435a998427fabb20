#pragma once

#include "core/language/language_tables.h"

#include <span>
#include <string_view>

namespace defwright {

/// The keys the server's lists give for the body of a definition of `kind`
/// (upper case, aliases resolved), sorted; none for a kind without a list.
[[nodiscard]] std::span<const DefinitionKeyRow> listedKeys(std::string_view kind);

/// Whether `key`, in any case, may stand in the body of a definition of
/// `kind` without the folder's say: a key of the server's list for the kind,
/// a key the program's own pages write there (isFormBodyKey()), or a tag,
/// TAG.<name> or TAG0.<name>, which any definition may hold.
[[nodiscard]] bool isKnownKey(std::string_view kind, std::string_view key);

/// Whether `key` is a tag: TAG.<name> or TAG0.<name>, in any case.
[[nodiscard]] bool isTagKey(std::string_view key);

} // namespace defwright
