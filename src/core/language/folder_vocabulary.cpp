#include "core/language/folder_vocabulary.h"

#include "core/language/script_walk.h"
#include "core/language/table_lookup.h"
#include "core/language/vocabulary_gatherer.h"

#include <algorithm>

namespace defwright {
namespace {

using Counts = FolderVocabulary::Counts;

void mergeCounts(Counts& into, const Counts& part, bool add)
{
    for (const auto& [word, count] : part) {
        const auto at = into.try_emplace(word, 0).first;
        at->second = add ? at->second + count : at->second - std::min(at->second, count);
        if (at->second == 0)
            into.erase(at);
    }
}

void merge(FolderVocabulary& into, const FolderVocabulary& part, bool add)
{
    mergeCounts(into.kinds, part.kinds, add);
    for (const auto& [kind, keys] : part.keys) {
        Counts& counts = into.keys[kind];
        mergeCounts(counts, keys, add);
        if (counts.empty())
            into.keys.erase(kind);
    }
    for (std::size_t object = 0; object < into.triggers.size(); ++object)
        mergeCounts(into.triggers[object], part.triggers[object], add);
}

bool enough(const Counts& counts, std::string_view word)
{
    const auto at = counts.find(upperCase(word));
    return at != counts.end() && at->second >= FolderVocabulary::kEnoughUses;
}

} // namespace

void addScriptVocabulary(FolderVocabulary& vocabulary, std::string_view text)
{
    VocabularyGatherer gatherer(vocabulary);
    ScriptWalk walk(text);
    while (walk.nextPassingOverPlainLines())
        gatherer.read(text, walk.line(), walk.placer());
    gatherer.finish();
}

void addVocabulary(FolderVocabulary& into, const FolderVocabulary& part)
{
    merge(into, part, true);
}

void removeVocabulary(FolderVocabulary& from, const FolderVocabulary& part)
{
    merge(from, part, false);
}

bool usesKind(const FolderVocabulary& vocabulary, std::string_view word)
{
    return enough(vocabulary.kinds, word);
}

bool usesKey(const FolderVocabulary& vocabulary, std::string_view kind, std::string_view key)
{
    const auto keys = vocabulary.keys.find(kind);
    return keys != vocabulary.keys.end() && enough(keys->second, key);
}

bool usesTrigger(const FolderVocabulary& vocabulary, ObjectKind object, std::string_view trigger)
{
    const std::string upper = upperCase(trigger);
    std::uint32_t uses = 0;
    for (std::size_t bucket = 0; bucket < vocabulary.triggers.size(); ++bucket) {
        const bool counts = object == ObjectKind::Any || bucket == static_cast<std::size_t>(object)
            || bucket == static_cast<std::size_t>(ObjectKind::Any);
        const auto at = vocabulary.triggers[bucket].find(upper);
        if (counts && at != vocabulary.triggers[bucket].end())
            uses += at->second;
    }
    return uses >= FolderVocabulary::kEnoughUses;
}

} // namespace defwright
