#pragma once

#include "core/language/folder_vocabulary.h"

#include <string_view>
#include <vector>

namespace defwright {

// What a place of a script accepts: what the language knows (the server's
// lists, the program's own pages, tags) and what the folder itself uses enough.

/// Whether a definition of `kind` (upper case) may hold `key`, in any case, before its first ON=.
[[nodiscard]] bool acceptsKey(std::string_view kind, std::string_view key, const FolderVocabulary& vocabulary);

/// Whether ON=`trigger` ("@Name", in any case) fits a section whose triggers are an object kind's.
[[nodiscard]] bool acceptsTrigger(ObjectKind object, std::string_view trigger, const FolderVocabulary& vocabulary);

/// Whether a header may name `word`, in any case, as its kind.
[[nodiscard]] bool acceptsKind(std::string_view word, const FolderVocabulary& vocabulary);

/// The keys a definition of `kind` accepts, as the lists write them (folder
/// ones in upper case), each once, in alphabetical order; tags aside.
[[nodiscard]] std::vector<std::string_view> acceptedKeys(std::string_view kind, const FolderVocabulary& vocabulary);

/// The triggers an object kind fires or the folder uses for it, "@" included, likewise.
[[nodiscard]] std::vector<std::string_view> acceptedTriggers(ObjectKind object, const FolderVocabulary& vocabulary);

/// The kinds and aliases a header may name, likewise.
[[nodiscard]] std::vector<std::string_view> acceptedKinds(const FolderVocabulary& vocabulary);

} // namespace defwright
