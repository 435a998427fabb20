#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace defwright {

/// The number of characters withCrLfLineBreaks() makes of the text. It equals
/// the text's own length exactly when every line break already is a CR LF.
[[nodiscard]] std::size_t crLfLength(std::u16string_view text);

/// A script as the panes and .scp files hold it: a CR LF stays, and a lone CR
/// or a lone LF becomes CR LF. Nothing else changes.
[[nodiscard]] std::u16string withCrLfLineBreaks(std::u16string_view text);

/// withCrLfLineBreaks() into a buffer of exactly crLfLength(text) characters,
/// so a large script is written straight into the string that will hold it.
void withCrLfLineBreaks(std::u16string_view text, std::span<char16_t> script);

} // namespace defwright
