#pragma once

#include <string>
#include <string_view>

namespace defwright {

/// A script as the editor holds it: a CR LF, a lone CR and a lone LF each
/// become one LF, the editor's line break.
[[nodiscard]] std::u16string withEditorLineBreaks(std::u16string_view script);

/// A script from the editor document's raw text: each paragraph separator
/// (U+2029) and line separator (U+2028, Shift+Return's soft break) becomes CR LF.
[[nodiscard]] std::u16string withScriptLineBreaks(std::u16string_view editorText);

} // namespace defwright
