#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

class FolderIndex;

/// One thing wrong in a scripts folder, at a line (from 0) of one of its
/// files; for a whole folder the server does not load, at the first line of
/// its first script.
struct FolderProblem {
    enum class Kind : std::uint8_t {
        DefinedTwice,
        UnclosedHeader,
        Undefined,
        DefinedWhereNotLoaded, ///< a reference to a name only files the server does not load define
        ListedButMissing,      ///< a line of the load list that names no script of the folder
        NotLoaded,             ///< a script, or a folder of them, the load list never reaches
        Language,              ///< a fault of the script language (see checkScript()), of its own severity
    };
    enum class Severity : std::uint8_t {
        Error,   ///< the server fails to read something, or reads something else than meant
        Warning, ///< the server reads it, but likely not as meant
        Hint,    ///< worth knowing, not wrong in itself
    };

    Kind kind = Kind::Undefined;
    Severity severity = Severity::Error;
    std::filesystem::path file;
    std::uint32_t line = 0;
    std::string message;
};

/// The severity of each kind of problem, by the kind's number.
inline constexpr std::array<FolderProblem::Severity, 7> kProblemSeverities = {
    FolderProblem::Severity::Warning, FolderProblem::Severity::Error, FolderProblem::Severity::Error,
    FolderProblem::Severity::Error,   FolderProblem::Severity::Error, FolderProblem::Severity::Hint,
    FolderProblem::Severity::Warning,
};

/// The problem with its kind's severity.
[[nodiscard]] FolderProblem folderProblem(FolderProblem::Kind kind, std::filesystem::path file, std::uint32_t line,
                                          std::string message);

/// What the index finds wrong in the files the server loads (all of them
/// without a load list): every place of a name or id defined more than once
/// (ids count twice only within one kind of section, as "[ITEMDEF 01]" and
/// "[SPELL 1]" are different things; a [TYPEDEFS] line and the [TYPEDEF]
/// section of the same type are one), every header without its "]", and every
/// reference to a name defined by no loaded file nor by the server
/// (isServerName()); and what is wrong with the load list (see
/// checkLoadList()). Sorted by file and line.
[[nodiscard]] std::vector<FolderProblem> checkFolder(const FolderIndex& index);

/// The lines of the load list that name no script of the folder, and the
/// scripts it never reaches: one problem for a folder the server loads
/// nothing of (the highest such folder), else one for each file. None
/// without a load list.
[[nodiscard]] std::vector<FolderProblem> checkLoadList(const FolderIndex& index);

} // namespace defwright
