#pragma once

#include "core/script/text_edit.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

class FolderIndex;

/// One change of a rename: the name's bytes on one line of a file.
struct RenameChange {
    TextEdit edit;          ///< in the file's text as a pane holds it
    std::uint32_t line = 0; ///< from 0
    std::string before;     ///< the line's text, without its break
    std::string after;      ///< the same with this change alone
};

/// The changes of a rename in one file, in the order of its text.
struct RenameFile {
    std::filesystem::path file;
    bool loaded = true; ///< false for a file the server does not load
    std::vector<RenameChange> changes;
};

/// Every change a rename makes across the folder, or why it cannot be made.
struct RenamePlan {
    std::string error; ///< empty when the rename can be made
    std::vector<RenameFile> files;
};

/// The text of a script of the folder as a pane holds it (UTF-8, its own line
/// breaks): the pane's text for a file open in one, else the file's, decoded
/// from its own format. None for a file that cannot be read.
using ScriptTexts = std::function<std::optional<std::string>(const std::filesystem::path&)>;

/// Why `newName` cannot take the place of `oldName`, the name of a definition
/// of the folder; empty when it can. It must be a valid name (isDefinitionName())
/// that nothing in the folder nor the server defines, or `oldName` in another case.
[[nodiscard]] std::string renameProblem(const FolderIndex& index, std::string_view oldName, std::string_view newName);

/// Every place of the folder that names `oldName` (see findReferences())
/// changed to `newName`, in the texts `texts` gives of the files the index
/// finds it in, read anew: each change replaces the name's bytes alone. All
/// or nothing: a file that cannot be read makes the whole plan an error.
[[nodiscard]] RenamePlan planRename(const FolderIndex& index, std::string_view oldName, std::string_view newName,
                                    const ScriptTexts& texts);

/// The edits of a file's chosen changes, in the order of the text, for applyEdits().
[[nodiscard]] std::vector<TextEdit> chosenEdits(const RenameFile& file, const std::vector<bool>& chosen);

} // namespace defwright
