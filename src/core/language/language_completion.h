#pragma once

#include "core/language/folder_vocabulary.h"
#include "core/script/script_line.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// What to offer at a caret: the words that fit, and what of the line the chosen one replaces.
struct LanguageCompletion {
    TextSpan typed;                 ///< the letters before the caret that a choice replaces; "@" included for a trigger
    std::vector<std::string> words; ///< "KEY=" or "@Trigger"
};

/// The words that fit at byte `caret` of a script:
/// - at the start of a line of a definition's body (before its first ON=),
///   the keys its kind accepts and those the folder uses in that kind;
/// - after "ON=@" (or "ON=") in a section whose triggers an object fires,
///   the triggers that object fires and those the folder uses for it.
/// Those that begin with the typed letters come first, then those that
/// hold them elsewhere, each group in alphabetical order, without regard to
/// case; what holds them nowhere is left out. None where neither fits, and
/// when nothing holds the typed letters.
[[nodiscard]] std::optional<LanguageCompletion> completionAt(std::string_view text, std::size_t caret,
                                                             const FolderVocabulary& vocabulary);

/// The words ordered as completionAt() offers them: those that begin with
/// `typed`, then those that hold it elsewhere, without regard to case; the rest left out.
[[nodiscard]] std::vector<std::string_view> fittingWords(const std::vector<std::string_view>& words,
                                                         std::string_view typed);

} // namespace defwright
