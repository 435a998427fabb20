#pragma once

#include "core/script/script_line.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace defwright {

/// What a kind of definition's header looks like: "[ITEMDEF i_<id>]" is the
/// section "ITEMDEF" and the identifier prefix "i_".
struct DefinitionKind {
    std::string_view section;
    std::string_view identifierPrefix;
};

/// The kind whose header begins with `caption`, such as "[ITEMDEF i_".
[[nodiscard]] constexpr DefinitionKind definitionKind(std::string_view caption)
{
    const std::size_t blank = caption.find(' ');
    return {caption.substr(1, blank - 1), caption.substr(blank + 1)};
}

/// Where one definition stands in a script: from its header line to its last
/// line that is neither blank nor a comment, before the next header. Comment
/// lines right above the next header are that header's, as a banner is.
struct DefinitionPlace {
    std::size_t start = 0;   // where the header line begins
    std::size_t end = 0;     // where its last line ends, before that line's break
    TextSpan identifier;     // in the header: after the prefix when the header writes one
    bool prefixed = false;   // whether the header writes the kind's prefix, "i_" or "c_"
};

/// The identifier of a header of this kind: the header's words are the
/// section name in any case and the identifier; "[ITEMDEF i_x]" names "x",
/// "[itemdef 0x0f5e]" names "0x0f5e". None for a header of another kind.
[[nodiscard]] std::optional<DefinitionPlace> headerPlace(std::string_view script, const ScriptLine& header,
                                                         const DefinitionKind& kind);

/// The definition of this kind whose header line begins at `headerStart`; none
/// when no header of this kind begins there.
[[nodiscard]] std::optional<DefinitionPlace> definitionAtHeader(std::string_view script, std::size_t headerStart,
                                                                const DefinitionKind& kind);

/// The definition of this kind that holds byte `caret`, or the first one in the
/// script when the caret stands before any header. None when the caret is
/// within a definition of another kind, or the script has none of this kind.
[[nodiscard]] std::optional<DefinitionPlace> definitionAt(std::string_view script, std::size_t caret,
                                                          const DefinitionKind& kind);

} // namespace defwright
