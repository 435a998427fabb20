#pragma once

#include "core/index/folder_check.h"

#include <vector>

namespace defwright {

class FolderIndex;

/// What the language finds wrong in the scripts the server loads (all of
/// them without a load list), as checkScript() finds it with the folder's own
/// vocabulary: one FolderProblem::Kind::Language problem a fault, with the
/// fault's severity, at the line its span begins on. A header without its
/// "]" is left out, as checkFolder() reports it already. Files are checked on
/// as many threads as the machine has cores; sorted by file and line.
[[nodiscard]] std::vector<FolderProblem> checkFolderScripts(const FolderIndex& index);

/// checkFolder() and checkFolderScripts() together, sorted by file and line.
[[nodiscard]] std::vector<FolderProblem> checkFolderWithScripts(const FolderIndex& index);

} // namespace defwright
