#pragma once

#include "core/files/line_breaks.h"

#include <string_view>

namespace defwright {

enum class TextEncoding { Windows1252, Utf8, Utf8WithBom };

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

/// How a script file is written: what a pane keeps of its file besides the
/// text, so that saving gives the file's bytes back. The default is a pane
/// with no file: Windows-1252, CR LF, and a final CR LF.
struct ScriptFormat {
    TextEncoding encoding = TextEncoding::Windows1252;
    /// The break new lines get: the file's most frequent one.
    LineBreak lineBreak = LineBreak::CrLf;
    /// The file's lines end in more than one way; the pane keeps each as it is.
    bool mixedLineBreaks = false;
    /// Saving adds `lineBreak` when the text does not end with a break.
    bool endsWithLineBreak = true;

    friend bool operator==(const ScriptFormat&, const ScriptFormat&) = default;
};

/// The format of a file's bytes. A UTF-8 byte-order mark means UTF-8 with a
/// BOM; else bytes that are valid UTF-8 and hold one of 0x80 or more mean
/// UTF-8; anything else is Windows-1252. The most frequent line break wins,
/// CR LF before LF before CR when as frequent; a file without breaks gets CR LF.
[[nodiscard]] ScriptFormat detectFormat(std::string_view bytes);

} // namespace defwright
