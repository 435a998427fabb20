#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace defwright {

class ScriptWriter;

/// Lines of a script end with CR LF, whatever the platform.
inline constexpr std::string_view kLineBreak = "\r\n";

/// The three comment lines every generated script and File > New begin with.
inline constexpr std::array<std::string_view, 3> kBannerLines = {
    "//Compiled with Defwright by Vostrel",
    "//Defwright: https://defwright.example.org",
    "//Please do not edit this tag",
};

/// The line that opens a definition's creation block, in both kinds of script.
inline constexpr std::string_view kCreateLine = "ON=@CREATE";

/// An upper bound of the bytes a script writes besides its field values:
/// banner, keys, fixed texts and line breaks. Used to reserve the text once.
inline constexpr std::size_t kScriptOverheadBytes = 2048;

/// Writes the banner as the first three lines, with no CR LF after the third.
void writeBanner(ScriptWriter& out);

/// The banner alone, as File > New puts it into the item pane.
[[nodiscard]] std::string bannerText();

/// CR LF, CR LF, "ON=", the trigger name, CR LF: the one piece of script text
/// that ends with a line break, so that the trigger's body can follow at once.
[[nodiscard]] std::string triggerBlock(std::string_view triggerName);

} // namespace defwright
