#pragma once

#include <cstddef>
#include <string_view>

namespace defwright {

/// One character read from UTF-8 text.
struct Utf8Character {
    char32_t codePoint = 0;
    std::size_t size = 1; ///< bytes taken; 1 for a byte that begins no valid character
    bool valid = false;
};

/// The character that starts at `at`, which must lie inside the text. Overlong
/// forms, surrogates and code points above U+10FFFF are not valid: for those,
/// and for a sequence cut short, one byte is taken and `valid` is false.
[[nodiscard]] Utf8Character nextUtf8Character(std::string_view text, std::size_t at);

/// Whether the whole text is valid UTF-8 by the rules of nextUtf8Character().
[[nodiscard]] bool isValidUtf8(std::string_view text);

} // namespace defwright
