#pragma once

#include "core/language/folder_vocabulary.h"
#include "core/language/script_problem.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace defwright {

/// What a check of a whole text found.
struct TextCheck {
    std::vector<ScriptProblem> problems;
    std::optional<std::size_t> end; ///< where the [EOF] line begins, if there is one
};

/// The problems of a whole script (checkScript()), and where the server stops reading it.
[[nodiscard]] TextCheck checkWholeText(std::string_view text, const FolderVocabulary& vocabulary);

/// The problems of whole sections of a script, given as the script's bytes
/// from `offset` on, beginning with a section's first line; spans and fixes
/// into the whole script.
[[nodiscard]] std::vector<ScriptProblem> checkSectionsAt(std::string_view sections, std::size_t offset,
                                                         const FolderVocabulary& vocabulary);

/// Whether a line, given from its start, begins as a header does: "[" first,
/// blanks aside, with or without its "]".
[[nodiscard]] bool beginsAsHeader(std::string_view line);

} // namespace defwright
