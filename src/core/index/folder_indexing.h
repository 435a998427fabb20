#pragma once

#include "core/index/folder_index.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>

namespace defwright {

/// Told how many of the folder's scripts have been read, of how many.
using IndexProgress = std::function<void(std::size_t done, std::size_t total)>;

/// The summary of a script file read from disk in its own format; empty for
/// a file that cannot be read.
[[nodiscard]] ScriptSummary summarizeFile(const std::filesystem::path& file);

/// Indexes every script under `folder` (see listScriptFiles()), reading files
/// on as many threads as the machine has cores. `progress` is called on the
/// calling thread only. Once `stop` turns true the index is left unfinished.
[[nodiscard]] FolderIndex indexFolder(const std::filesystem::path& folder, const IndexProgress& progress = {},
                                      const std::atomic<bool>* stop = nullptr);

} // namespace defwright
