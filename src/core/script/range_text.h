#pragma once

#include "core/script/script_line.h"

#include <string>
#include <string_view>

namespace defwright {

/// Where the two values of a range stand within a line's value. A range is
/// written "{low high}", "{low,high}", "low,high", "low high" or as a single
/// low value; the separator is the first blank (or, failing one, the first
/// comma) with the blanks and commas around it. Without a separator the high
/// value is empty and stands where the separator would go.
struct RangeSpans {
    TextSpan low;
    TextSpan separator;
    TextSpan high;
    bool braced = false;
    bool separated = false;
};

/// @param lowMayBeEmpty whether a blank right after "{" separates an empty low
///        value: so a skill's "{ 80.0}" is written, while a stat always has a low one.
[[nodiscard]] RangeSpans splitRange(std::string_view text, TextSpan value, bool lowMayBeEmpty);

/// Whether a value is written in braces, as a range or a skill's values are.
[[nodiscard]] inline bool isBracedRange(std::string_view value)
{
    return value.starts_with('{') && value.ends_with('}');
}

/// A range as the generators write it: "{low high}", or "{low}" without a high value.
[[nodiscard]] std::string bracedRange(std::string_view low, std::string_view high);

} // namespace defwright
