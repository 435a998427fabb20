#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace defwright {

/// How the index reads the lines of a section's body.
enum class BodyReading : std::uint8_t {
    Code,  ///< keys and statements: their words may name definitions
    Names, ///< each line defines the name it begins with ([DEFNAME], [TYPEDEFS])
    Text,  ///< words for people, naming nothing but inside "<...>"
    Loads, ///< the files and folders the server loads ([RESOURCES])
    None,  ///< nothing of it is read: a comment, a world save's instance
};

/// A section's header as the index reads it.
struct HeaderReading {
    std::string kind;           ///< upper case, other spellings resolved ("AREA" for [AREADEF x])
    std::string_view name;      ///< the header's second word
    std::string_view arguments; ///< the words after the name
    SectionUse use = SectionUse::Definition;
    BodyReading body = BodyReading::Code;
    bool listed = true;   ///< it is a section of the summary: a comment is not, nor a world save's instance
    bool aliases = false; ///< DEFNAME= lines before its first trigger name it too
    bool end = false;     ///< [EOF]: nothing after it is read
};

/// The header whose words between the brackets are `bracketed`. The kinds
/// come from the language's table; a kind it does not know is read as a
/// definition of code, as the server's own script-defined kinds are.
[[nodiscard]] HeaderReading readHeader(std::string_view bracketed);

} // namespace defwright
