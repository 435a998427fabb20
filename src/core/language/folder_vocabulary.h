#pragma once

#include "core/language/language_tables.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace defwright {

/// What the scripts of a folder themselves write, which tells the branch of
/// the server they are written for: the section kinds their headers name,
/// the keys each kind's definitions use before their first ON=, and the
/// triggers of each object kind. Names are kept in upper case, aliases
/// resolved ([AREADEF] counts as AREA). Tags are not kept: any definition may hold them.
struct FolderVocabulary {
    /// How many sections must use a kind, definitions a key, or sections of
    /// an object kind a trigger, for it to be the folder's own. One use is
    /// a typo, and so may be its copy in a second definition made from the
    /// first; the keys and triggers of another branch of the server are used
    /// in hundreds (ATTACK= in 1,154 NPCs of an older collection, @USERDCLICK
    /// in 749 items).
    static constexpr std::uint32_t kEnoughUses = 3;

    using Counts = std::map<std::string, std::uint32_t, std::less<>>;

    Counts kinds;                                    ///< kind -> sections
    std::map<std::string, Counts, std::less<>> keys; ///< definition kind -> key -> definitions
    std::array<Counts, 5> triggers;                  ///< by ObjectKind: trigger, "@" included -> sections

    bool operator==(const FolderVocabulary&) const = default;
};

/// Adds what one script writes, up to its [EOF], to the vocabulary: each
/// section once to its kind, each definition once to each key of its body,
/// each section of an object kind once to each trigger of its ON= lines. In
/// one pass over the lines, for the index's worker thread.
void addScriptVocabulary(FolderVocabulary& vocabulary, std::string_view text);

/// Adds the uses of another vocabulary, such as one file's.
void addVocabulary(FolderVocabulary& into, const FolderVocabulary& part);

/// Takes back the uses of a vocabulary added before, as when a file changes or goes.
void removeVocabulary(FolderVocabulary& from, const FolderVocabulary& part);

/// Whether the folder's headers name `word`, in any case, in enough sections.
[[nodiscard]] bool usesKind(const FolderVocabulary& vocabulary, std::string_view word);

/// Whether enough definitions of `kind` (upper case) use `key`, in any case, before their first ON=.
[[nodiscard]] bool usesKey(const FolderVocabulary& vocabulary, std::string_view kind, std::string_view key);

/// Whether enough sections of the object kind, or [EVENTS] sections, have an
/// ON= line of `trigger` ("@Name", in any case). For ObjectKind::Any, sections of any object kind count.
[[nodiscard]] bool usesTrigger(const FolderVocabulary& vocabulary, ObjectKind object, std::string_view trigger);

} // namespace defwright
