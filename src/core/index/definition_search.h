#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

class FolderIndex;

/// A section that defines a name looked up.
struct DefinitionHit {
    std::filesystem::path file; ///< empty for the pane's own text
    std::uint32_t line = 0;     ///< the header's, from 0
    std::string kind;           ///< "ITEMDEF", ...
    std::string shown;          ///< the header's words and the file's place, for a list to choose from
    bool inPane = false;
    bool loaded = true; ///< false in a file the server does not load
};

/// The sections that define `name`: those of the pane's own text first and
/// alone, else those of the index, leaving out the pane's file, which the
/// pane's text stands for. A name a list's line defines is found on that
/// line; a part ("[DIALOG d_x TEXT]") only when its definition is nowhere.
[[nodiscard]] std::vector<DefinitionHit> findDefinitions(std::string_view name, const ScriptSummary& pane,
                                                         const std::filesystem::path& paneFile,
                                                         const FolderIndex& index);

} // namespace defwright
