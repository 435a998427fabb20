#pragma once

#include "core/language/language_tables.h"

#include <optional>
#include <string_view>

namespace defwright {

/// What a header's kind of section is, aliases resolved.
struct SectionKind {
    std::string_view name; ///< upper case: "AREA" for [AREADEF x], "EOF" for [EOF]
    SectionBody body = SectionBody::Prose;
    ObjectKind object = ObjectKind::None;
    bool keysListed = false; ///< whether the server's lists hold every key of its definition body

    bool operator==(const SectionKind&) const = default;
};

/// The words of a header as the server reads them: "[ITEMDEF i_x TEXT]" is
/// the kind word "ITEMDEF", the name "i_x" and the part "TEXT". Blanks are
/// spaces and tabs.
struct HeaderWords {
    std::string_view kind;
    std::string_view name;
    std::string_view part;
};

/// The header's words, from the text between its brackets.
[[nodiscard]] HeaderWords headerWords(std::string_view bracketed);

/// The kind of section a header opens, in any case, from the text between
/// its brackets; none for a word that is no kind and no alias of one.
/// [DIALOG d_x TEXT] and [DIALOG d_x BUTTON] are parts of a kind whose bodies
/// differ from the kind's own (see section-bodies.tsv).
[[nodiscard]] std::optional<SectionKind> sectionKind(std::string_view bracketed);

/// Whether `word`, in any case, is a kind of section or an alias of one.
[[nodiscard]] bool isSectionWord(std::string_view word);

} // namespace defwright
