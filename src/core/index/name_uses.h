#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace defwright {

/// A word of a script that names a definition, and where it stands.
struct NameUse {
    enum Flag : std::uint8_t {
        Defines = 1, ///< the place that defines the name: a header's, DEFNAME= value's or a list line's
        ItemId = 2,  ///< a number that names an item's id
        CharId = 4,  ///< a number that names a character's id
    };

    std::uint32_t offset = 0; ///< of its first byte in the text
    std::uint32_t line = 0;
    std::uint32_t length = 0;
    std::uint8_t flags = 0;
};

/// Every place of a summarized script that names `name`, an id of the kind
/// `idKind` (NameUse::ItemId, NameUse::CharId, or 0 for none) when it is
/// one, in the order of the text. The words that count: in a header, its
/// name (which a list's header has none of) and the words after it; in a
/// list that defines names, the name each line begins with and the words
/// after it; in code, the words of a key's value (of text keys such as NAME=
/// only those inside "<...>"), and of a statement, its first word and what
/// follows (of text statements such as SYSMESSAGE only inside "<...>"); in
/// the text of books, dialogs and the like only inside "<...>"; nothing in
/// comments, world saves or after [EOF]. Ids count only where a key takes one
/// (see keyReading()).
[[nodiscard]] std::vector<NameUse> usesOf(const ScriptSummary& summary, std::string_view name, std::uint8_t idKind);

} // namespace defwright
