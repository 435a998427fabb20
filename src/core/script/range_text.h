#pragma once

#include <optional>
#include <string_view>

namespace defwright {

/// The two values of a range line, as views into the line.
struct RangeText {
    std::string_view low;
    std::string_view high;
};

/// Splits a range value the way the generators join it. "{low high}" is split at
/// its first blank (after the first character unless `lowMayBeEmpty`, since a
/// written stat or hit-point range always has a low value), or failing one at its
/// first comma. A value without braces, such as 30,40, is split at its first
/// comma or else its first blank, and both parts lose their outer blanks.
[[nodiscard]] RangeText splitRange(std::string_view value, bool lowMayBeEmpty);

/// A skill line as the generator writes it: the name, "={", the values and "}".
/// The name is everything before the first "={" that is not the line's start.
struct SkillLine {
    std::string_view name;
    RangeText values;
};

[[nodiscard]] std::optional<SkillLine> splitSkillLine(std::string_view line);

} // namespace defwright
