#pragma once

#include "core/script/definition_lines.h"
#include "core/script/text_edit.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace defwright {

/// A change of one field of a page whose fields stand for a definition.
struct FieldChange {
    FieldId field;
    std::string_view value;     // the field's new text
    SlotValues before;          // the values of the field's slot as the fields held them before
    std::size_t rank = 0;       // how many boxes before the field's slot in its group are written
    std::span<const SlotValues> group; // the values of all boxes of the field's group, as they were before
    std::string_view lineBreak; // what new lines end with: the text's own line break
};

/// The smallest replacement that makes the definition say what the fields now
/// say, every other byte kept:
/// - a field whose line exists changes only its value, or its part of a range,
///   or a skill's name; key as written, blanks, braces, commas, comment stay;
/// - a field emptied takes its line away with its break (a range's line goes
///   when its low value does, a skill's when its name does);
/// - a field filled whose slot has no line adds "KEY=value" after the line of
///   the nearest earlier slot of its block that has one, else before the nearest
///   later one, else right after the header or "ON=@CREATE"; a group's new line
///   goes among the group's lines by its rank; a skill's line is found by its
///   name, so a name off the list, written braced, is found too. A creation-block line in a
///   definition without "ON=@CREATE" comes with that line, after the last line;
/// - a single range value stays single until the high value is filled in;
/// - the identifier changes in the header, which keeps its form and comment.
[[nodiscard]] TextEdit planFieldEdit(std::string_view script, const DefinitionLines& lines,
                                     const DefinitionLayout& layout, const FieldChange& change);

} // namespace defwright
