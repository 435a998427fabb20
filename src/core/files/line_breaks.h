#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace defwright {

/// A script as the editor holds it: a CR LF, a lone CR and a lone LF each
/// become one LF, the editor's line break.
[[nodiscard]] std::u16string withEditorLineBreaks(std::u16string_view script);

/// A script from the editor document's raw text: each paragraph separator
/// (U+2029) and line separator (U+2028, Shift+Return's soft break) becomes CR LF.
[[nodiscard]] std::u16string withScriptLineBreaks(std::u16string_view editorText);

/// The number of characters withScriptLineBreaks() makes of the text.
[[nodiscard]] std::size_t scriptLength(std::u16string_view editorText);

/// withScriptLineBreaks() into a buffer of exactly scriptLength(editorText)
/// characters, so a large script is written straight into the string that
/// will hold it.
void withScriptLineBreaks(std::u16string_view editorText, std::span<char16_t> script);

} // namespace defwright
