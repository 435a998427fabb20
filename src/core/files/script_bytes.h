#pragma once

#include "core/files/script_format.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace defwright {

/// A pane's text as a file of some format.
struct EncodedScript {
    std::string bytes;
    /// Characters Windows-1252 lacks, each written as "?"; 0 in UTF-8.
    std::size_t unencodable = 0;
};

/// A file's bytes as a script pane holds them: UTF-8, without the byte-order
/// mark, every line break as the file has it. In UTF-8 the bytes are taken as
/// they are, so even bytes after a mark that are not UTF-8 come back on save.
[[nodiscard]] std::string decodeScript(std::string_view bytes, TextEncoding encoding);

/// A pane's text as the bytes of a file in `format`: the byte-order mark
/// first when the format has one, and `format.lineBreak` added at the end when
/// the format ends with a line break and the text does not. So the bytes of
/// any file, decoded in the format detectFormat() gives and encoded again,
/// come back unchanged.
[[nodiscard]] EncodedScript encodeScript(std::string_view text, const ScriptFormat& format);

} // namespace defwright
