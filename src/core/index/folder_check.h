#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace defwright {

class FolderIndex;

/// One thing wrong in a scripts folder, at a line (from 0) of one of its files.
struct FolderProblem {
    enum class Kind { DefinedTwice, UnclosedHeader, Undefined };

    Kind kind = Kind::Undefined;
    std::filesystem::path file;
    std::uint32_t line = 0;
    std::string message;
};

/// What the index finds wrong: every place of a name or id defined more than
/// once (ids count twice only within one kind of section, as "[ITEMDEF 01]"
/// and "[SPELL 1]" are different things), every header without its "]", and
/// every reference to a name defined nowhere in the folder nor by the server
/// (isServerName()). Sorted by file and line.
[[nodiscard]] std::vector<FolderProblem> checkFolder(const FolderIndex& index);

} // namespace defwright
