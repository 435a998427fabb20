#pragma once

#include "core/files/line_breaks.h"
#include "core/script/record_kind.h"
#include "core/script/text_edit.h"

#include <cstddef>
#include <string_view>

namespace defwright {

/// An empty definition put into a script, and where its header then begins.
struct NewDefinition {
    TextEdit edit;
    std::size_t header = 0;
};

/// Puts the definition that `generated` (an empty record's generated script)
/// writes, without its banner, after the definition of `kind` that holds the
/// caret, or else after the last line that is not blank, one blank line before
/// it. Into a script with nothing but blanks it goes at the start, with a line
/// break after it when the script is not empty. Its lines end with `lineBreak`.
[[nodiscard]] NewDefinition planNewDefinition(std::string_view script, std::size_t caret, const DefinitionKind& kind,
                                              std::string_view generated, LineBreak lineBreak);

template <typename Kind>
[[nodiscard]] NewDefinition planNewDefinition(std::string_view script, std::size_t caret, LineBreak lineBreak)
{
    return planNewDefinition(script, caret, Kind::layout().kind, Kind::script({}), lineBreak);
}

} // namespace defwright
