#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A name as a script writes it, and the line (from 0) that writes it.
struct WrittenName {
    std::string text;
    std::uint32_t line = 0;
};

/// One section of a script: "[ITEMDEF 0a25]" is the kind "ITEMDEF" named "0a25".
struct SectionEntry {
    std::string kind;                 ///< the header's first word, in upper case
    WrittenName name;                 ///< the header's other words, as written; on the header's line
    std::vector<WrittenName> aliases; ///< DEFNAME= values, or the names a [DEFNAME] block defines
    std::string title;                ///< the NAME= of an ITEMDEF or CHARDEF, if any
};

/// A key whose value names another definition, such as "TEVENTS=e_horse".
struct NameReference {
    std::string key; ///< in upper case
    std::string name;
    std::uint32_t line = 0;
};

/// What the folder index keeps of one script.
struct ScriptSummary {
    std::vector<SectionEntry> sections;
    std::vector<NameReference> references;
    std::vector<std::uint32_t> unclosedHeaders; ///< lines that open a header without its "]"
    std::vector<std::string> itemKeys;          ///< keys of ITEMDEF sections, upper case, each once
    std::vector<std::string> characterKeys;     ///< keys of CHARDEF sections, likewise
    std::vector<std::string> triggers;          ///< trigger names such as "@CLICK", upper case, each once
};

/// The sections, references and keys of a script, as a pane holds it (UTF-8).
///
/// A section's DEFNAME= lines count before its first trigger; a [DEFNAME],
/// [DEFNAMES] or [TYPEDEFS] block defines the first word of each line. The
/// text of a [COMMENT] section is passed over, and nothing after [EOF] is
/// read, as the server does. References are read from DUPEITEM=, TYPE=,
/// ITEMNEWBIE=, ITEM=, TEVENTS= and EVENTS= values that hold no expression;
/// only DUPEITEM= refers by number.
[[nodiscard]] ScriptSummary summarizeScript(std::string_view text);

} // namespace defwright
