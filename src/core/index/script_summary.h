#pragma once

#include "core/language/folder_vocabulary.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A name as a script writes it, and the line (from 0) that writes it. The
/// text is a view into the summary's text.
struct WrittenName {
    std::string_view text;
    std::uint32_t line = 0;
    std::uint32_t hash = 0; ///< nameHash() of the text, for the index's table of names
};

/// What a section's header stands for.
enum class SectionUse : std::uint8_t {
    Definition, ///< it defines its name: "[ITEMDEF 0a25]"
    Part,       ///< a part of the definition it names: "[DIALOG d_x TEXT]" of dialog d_x
    List,       ///< it adds to a list and defines only the names its lines give: "[DEFNAME x]", "[PLEVEL 1]"
};

/// One section of a script: "[ITEMDEF 0a25]" is the kind "ITEMDEF" named "0a25".
struct SectionEntry {
    std::string kind;                 ///< the header's first word, in upper case
    WrittenName name;                 ///< the header's second word, as written; on the header's line
    std::string_view arguments;       ///< the header's words after its name, kept for display
    std::vector<WrittenName> aliases; ///< DEFNAME= values, or the names a list's lines define
    std::string_view title;           ///< the NAME= of an ITEMDEF or CHARDEF, if any
    SectionUse use = SectionUse::Definition;
};

/// A key whose value names another definition, such as "TEVENTS=e_horse".
struct NameReference {
    std::string_view key; ///< in upper case
    std::string_view name;
    std::uint32_t line = 0;
};

/// How the index reads the lines of a section's body.
enum class BodyReading : std::uint8_t {
    Code,  ///< keys and statements: their words may name definitions
    Names, ///< each line defines the name it begins with ([DEFNAME], [TYPEDEFS])
    Text,  ///< words for people, naming nothing but inside "<...>"
    Loads, ///< the files and folders the server loads ([RESOURCES])
    None,  ///< nothing of it is read: a comment, a world save's instance
};

/// Where the script begins to be read one way: its start, and each line that
/// begins a section, with or without its "]".
struct ReadingRegion {
    std::uint32_t offset = 0;  ///< of the region's first line in the text
    std::uint32_t line = 0;
    std::int32_t section = -1; ///< its entry of `sections`; -1 for none
    BodyReading body = BodyReading::Code;
    bool characters = false; ///< a CHARDEF's, whose ID= names a character's id
};

/// A line of a [RESOURCES] section: a file or folder the server loads.
struct LoadEntry {
    std::string_view path; ///< without blanks around it and without its comment
    std::uint32_t line = 0;
};

/// What the folder index keeps of one script.
struct ScriptSummary {
    std::shared_ptr<const std::string> text; ///< the script as a pane holds it, which every view points into
    std::vector<SectionEntry> sections;
    std::vector<NameReference> references;
    std::vector<ReadingRegion> regions;         ///< in the order of the text, the first at its start
    std::uint32_t readEnd = 0;                  ///< where the server stops reading: [EOF], or the text's end
    std::vector<std::uint32_t> unclosedHeaders; ///< lines that open a header without its "]"
    FolderVocabulary vocabulary;                ///< the kinds, keys and triggers it uses (addScriptVocabulary())
    bool listsLoads = false;                    ///< it has a [RESOURCES] section
    std::vector<LoadEntry> loads;               ///< the lines of its [RESOURCES] sections, in order
};

/// The sections, references, names and keys of a script, as a pane holds it
/// (UTF-8); the summary keeps its own copy of the text.
///
/// A header's name is its second word; a section of a world save is no
/// section of scripts. A section's DEFNAME= lines count before its first
/// trigger; a [DEFNAME] or [TYPEDEFS] block defines the first word of each
/// line. Any line whose first character but blanks is "[" begins a section, in
/// a [COMMENT] too, and nothing after [EOF] is read, as the server does.
/// References are read from DUPEITEM=, TYPE=, ITEMNEWBIE=, ITEM=, TEVENTS=
/// and EVENTS= values that hold no expression; only DUPEITEM= refers by number.
[[nodiscard]] ScriptSummary summarizeScript(std::string_view text);

/// The same, keeping `text` itself.
[[nodiscard]] ScriptSummary summarizeScript(std::shared_ptr<const std::string> text);

} // namespace defwright
