#pragma once

#include "core/language/folder_vocabulary.h"
#include "core/language/script_problem.h"

#include <string_view>
#include <vector>

namespace defwright {

/// The problems of a script, as a pane holds it, in the order of their
/// spans, up to its [EOF]:
/// - a header without its "]" (error), a header whose word is no section
///   kind nor alias nor a kind the folder uses (warning);
/// - in a definition's body before its first ON=: a key its kind does not
///   accept (warning), a line that is no key, comment or blank (warning);
/// - in code (triggers and functions): block statements that do not pair
///   (errors, both ends marked);
/// - ON=@Name that the section's kind of object never fires itself (hint).
/// A key, kind or trigger one or two edits from one accepted comes with a
/// "did you mean" and the fix that writes it.
[[nodiscard]] std::vector<ScriptProblem> checkScript(std::string_view text, const FolderVocabulary& vocabulary);

/// The section that holds byte `position`: from the start of its header's
/// line to the start of the next header's line or the text's end; before
/// the first header, from the text's start.
[[nodiscard]] TextSpan sectionAt(std::string_view text, std::size_t position);

/// The problems of one section (as sectionAt() gives it), for checking again
/// after an edit: what checkScript() finds in it, when no [EOF] stands above it.
[[nodiscard]] std::vector<ScriptProblem> checkSection(std::string_view text, TextSpan section,
                                                      const FolderVocabulary& vocabulary);

} // namespace defwright
