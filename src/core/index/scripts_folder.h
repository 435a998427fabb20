#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace defwright {

/// The folder that holds a server's scripts, found from the folder of a
/// script in it: the nearest folder named "scripts" (any case), that folder
/// or one above it; else its parent, when two or more of the parent's
/// subfolders hold .scp files; else the folder itself.
[[nodiscard]] std::filesystem::path findScriptsFolder(const std::filesystem::path& fileFolder);

/// The path in UTF-8 with "/" between its parts, as the index shows and
/// compares paths; never throws for a name the system's code page lacks.
[[nodiscard]] std::string utf8Path(const std::filesystem::path& path);

/// The path of `file` relative to `folder` as utf8Path() gives it, or the
/// whole path for a file outside the folder.
[[nodiscard]] std::string pathInFolder(const std::filesystem::path& file, const std::filesystem::path& folder);

/// Whether a path names a script: a ".scp" extension in any case.
[[nodiscard]] bool isScriptPath(const std::filesystem::path& path);

/// Every script under `folder`, in all its subfolders, sorted. Folders that
/// cannot be read are passed over; links to folders are not followed, so a
/// link back up never loops. Listing ends early, with what was found so far,
/// once `stop` is set: a folder as large as a whole disk must not hold up
/// whoever waits for it.
[[nodiscard]] std::vector<std::filesystem::path> listScriptFiles(const std::filesystem::path& folder,
                                                                 const std::atomic<bool>* stop = nullptr);

/// Files larger than this are not read: no script is near it.
inline constexpr std::uintmax_t kMaxScriptBytes = std::uintmax_t{64} * 1024 * 1024;

/// The text of a script file as a pane holds it (UTF-8, its line breaks kept),
/// read in the format its bytes have. None when it cannot be read or is too large.
[[nodiscard]] std::optional<std::string> readScriptText(const std::filesystem::path& file);

} // namespace defwright
