#pragma once

#include <cstdint>
#include <string_view>

namespace defwright {

/// What the lines of a section's body are to the index.
enum class SectionBody : std::uint8_t {
    Code,  ///< keys and statements: their words may name definitions
    Names, ///< each line defines the name it begins with ([DEFNAME], [TYPEDEFS])
    Text,  ///< words shown or listed, naming nothing but inside "<...>"
    Loads, ///< the files and folders the server loads ([RESOURCES])
    None,  ///< nothing of it is read: a comment, or a world save's instance
};

/// How the index reads a section of a kind.
struct SectionRole {
    bool headerDefines = true; ///< the header's name is a definition that may clash
    bool kept = true;          ///< it is listed among the sections: a comment is not, nor a world save's instance
    SectionBody body = SectionBody::Code;
};

/// The role of a section kind (upper case, as written or one of its other
/// spellings). A kind not known is read as a definition with code.
[[nodiscard]] SectionRole sectionRole(std::string_view kind);

} // namespace defwright
