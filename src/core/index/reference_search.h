#pragma once

#include "core/index/folder_index.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A place in the folder that names a definition.
struct ReferenceHit {
    std::filesystem::path file;
    std::uint32_t line = 0;  ///< from 0
    std::size_t start = 0;   ///< the name's first byte in the line's text
    std::size_t end = 0;     ///< the byte after its last
    std::string lineText;    ///< the line as a pane holds it, without its break
    bool defines = false;    ///< the place that defines the name: a header, a DEFNAME= or a list's line
    bool loaded = true;      ///< false in a file the server does not load
};

/// Every place of the folder that names `name` (an id in any of its forms),
/// in every file, loaded or not; grouped by file in the order of their
/// paths, then in the order of the text. See usesOf() for the words that count.
[[nodiscard]] std::vector<ReferenceHit> findReferences(const FolderIndex& index, std::string_view name);

/// Every place that names the definition at `place`: by its header's name,
/// by any of its DEFNAMEs, and by its id in any form; for a list's line, by
/// the name the line defines.
[[nodiscard]] std::vector<ReferenceHit> findReferences(const FolderIndex& index, const NamePlace& place);

} // namespace defwright
