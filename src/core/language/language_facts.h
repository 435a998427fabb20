#pragma once

#include "core/language/folder_vocabulary.h"
#include "core/language/form_fields.h"
#include "core/script/script_line.h"

#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// What there is to say of a key, for its hover.
struct KeyFacts {
    std::string key;                        ///< upper case
    bool tag = false;                       ///< TAG.<name> or TAG0.<name>, which any definition accepts
    std::vector<std::string_view> kinds;    ///< the section kinds whose definitions accept it, alphabetical
    std::vector<FormField> fields;          ///< the fields of the program's pages it fills
    std::string_view note;                  ///< the project's line about it; empty when it has none

    /// Whether there is nothing to say, so no hover at all.
    [[nodiscard]] bool empty() const { return !tag && kinds.empty() && fields.empty() && note.empty(); }
};

/// What there is to say of a trigger: the object kinds that fire it by
/// themselves, and those whose sections in the folder use it enough.
struct TriggerFacts {
    std::string trigger;             ///< upper case, "@" included
    std::vector<ObjectKind> objects; ///< in the order of ObjectKind

    [[nodiscard]] bool empty() const { return objects.empty(); }
};

/// The facts of `key`, in any case: the server's lists, the pages' fields,
/// the folder's own uses (kEnoughUses), the notes. A key with a dot
/// (TAG.name, NEW.P) has the note of the part before its first dot.
[[nodiscard]] KeyFacts keyFacts(std::string_view key, const FolderVocabulary& vocabulary);

/// The facts of `trigger` ("@Name", in any case).
[[nodiscard]] TriggerFacts triggerFacts(std::string_view trigger, const FolderVocabulary& vocabulary);

/// A word of the language in a script: the key of a KEY=value line, or the trigger of an ON= line.
struct LanguageWord {
    enum class Kind { None, Key, Trigger };

    Kind kind = Kind::None;
    TextSpan span; ///< into the whole text
};

/// The word of the language at byte `position`, for a hover; Kind::None
/// anywhere else (headers, values, comments, code that is no key).
[[nodiscard]] LanguageWord languageWordAt(std::string_view text, std::size_t position);

} // namespace defwright
