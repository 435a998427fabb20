#pragma once

#include <span>
#include <string>
#include <string_view>

namespace defwright {

/// A field as RFC 4180 writes it: in double quotes, its quotes doubled, when
/// it holds the separator, a quote, a CR or an LF; else as it is.
[[nodiscard]] std::string csvField(std::string_view text, char separator = ',');

/// Appends one row: its fields between separators, and CR LF.
void appendCsvRow(std::string& out, std::span<const std::string_view> fields, char separator = ',');

} // namespace defwright
