#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace defwright {

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

/// The words of a header after its name, from the third on (`partWord`, as
/// headerWords() finds it, a view into `bracketed`); empty when there are none.
[[nodiscard]] std::string_view headerArguments(std::string_view bracketed, std::string_view partWord);

/// Whether lines of this key (any case) give the section they stand in
/// another name: DEFNAME= and DEFNAME2=.
[[nodiscard]] bool isAliasKey(std::string_view key);

} // namespace defwright
