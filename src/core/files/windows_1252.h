#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace defwright {

/// Text encoded for a .scp file, one byte per character.
struct Windows1252Bytes {
    std::string bytes;
    /// How many characters had no byte and were written as "?".
    std::size_t replaced = 0;
};

/// Every byte becomes one character. The five bytes Windows-1252 leaves
/// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081, U+008D, U+008F,
/// U+0090 and U+009D, so that encoding gives every byte back.
[[nodiscard]] std::u16string decodeWindows1252(std::string_view bytes);

/// decodeWindows1252() into a buffer of exactly bytes.size() characters, so a
/// large file is decoded straight into the string that will hold it.
void decodeWindows1252(std::string_view bytes, std::span<char16_t> text);

/// The bytes of a file as a script pane holds them, UTF-8, in one pass: each
/// byte decoded as decodeWindows1252() does. Line breaks stay as they are.
[[nodiscard]] std::string utf8FromWindows1252(std::string_view bytes);

/// The inverse of decodeWindows1252(). A character without a byte, a
/// surrogate pair (one character) or a lone surrogate alike, becomes one "?".
[[nodiscard]] Windows1252Bytes encodeWindows1252(std::u16string_view text);

/// The inverse of utf8FromWindows1252(), for a pane's text. A character
/// without a byte, and each byte that is not part of a UTF-8 character,
/// becomes one "?".
[[nodiscard]] Windows1252Bytes windows1252FromUtf8(std::string_view utf8);

} // namespace defwright
