#pragma once

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

/// One definition within a script: its header line and every line up to the
/// next header or the end of the script. Comment lines right above the next
/// header are not the definition's: they belong with that header, as its banner.
struct DefinitionText {
    std::string_view text;
    std::size_t headerLine = 0; // counting from 0 in the whole script
    std::string_view identifier; // what the header names, after its prefix
};

/// Whether the line is a section header: "[" first and "]" last, blanks aside.
[[nodiscard]] bool isHeaderLine(std::string_view line);

/// The identifier of a header of this kind, matched without regard to case and
/// with blanks allowed around the section name; none if the line is another header
/// or no header. The identifier is everything between the prefix and the last "]".
[[nodiscard]] std::optional<std::string_view> headerIdentifier(std::string_view line, const DefinitionKind& kind);

/// The definition of this kind that holds the caret's line, or the first one in
/// the script when the caret stands before any header. None when the caret is
/// within a definition of another kind, or the script has none of this kind.
[[nodiscard]] std::optional<DefinitionText> definitionAt(std::string_view script, std::size_t caretLine,
                                                         const DefinitionKind& kind);

} // namespace defwright
