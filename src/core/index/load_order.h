#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A line of a load list as the server reads it: "core/defs.scp",
/// "scripts\items\" or "core/defs // the names", without its comment.
struct LoadPath {
    std::vector<std::string> parts; ///< the path's parts, "." and ".." taken out
    bool folder = false;            ///< it ends with "/" or "\": every script directly in that folder
    bool outside = false;           ///< ".." climbs above where it starts
};

/// The path a load list's line names; no parts for a line that names nothing.
[[nodiscard]] LoadPath readLoadPath(std::string_view line);

/// A line of the load list that reaches no script of the folder.
struct UnreachedLoad {
    std::uint32_t line = 0;
    std::string path; ///< as the line writes it
    bool folder = false;
};

/// Whether and in which order the server loads each script of a folder.
struct LoadOrder {
    std::optional<std::uint32_t> tablesFile;          ///< which of the files holds the load list
    std::vector<std::optional<std::uint32_t>> places; ///< each file's place in the order, from 0; none when not loaded
    std::vector<UnreachedLoad> unreached;              ///< lines of the list that name nothing there
};

/// Which of the scripts that hold a [RESOURCES] section (`candidates`, paths
/// relative to the scripts folder, "/" between parts) is the folder's tables
/// file: of those directly in the folder, the one whose name ends in
/// "tables.scp", as the server's own tables file is named; of several such,
/// the shortest name, so that a copy such as "old tables.scp" loses; then
/// the first by name.
[[nodiscard]] std::optional<std::uint32_t> chooseTablesFile(std::span<const std::string> candidates);

/// Follows the load list of the tables file as the server does: the tables
/// file first, then each line in turn; a file listed twice is loaded once, at
/// its first place. A line names a file (".scp" may be left out) or a folder
/// (every ".scp" directly in it, in name order without regard to case, not
/// its subfolders), relative to the scripts folder or to the folder above it
/// (then its first part is the scripts folder's own name, `folderName`),
/// with "/" or "\" between parts, in any case. Without a tables file every
/// file is loaded, in the order given.
[[nodiscard]] LoadOrder followLoadList(std::span<const std::string> files, std::string_view folderName,
                                       std::optional<std::uint32_t> tablesFile, std::span<const LoadEntry> list);

} // namespace defwright
