#include "core/language/folder_vocabulary.h"

#include "core/language/definition_keys.h"
#include "core/language/script_walk.h"
#include "core/language/table_lookup.h"

#include <algorithm>
#include <vector>

namespace defwright {
namespace {

using Counts = FolderVocabulary::Counts;

// The names one section uses, each once, counted when the section ends.
struct SectionUses {
    std::string kind;
    ObjectKind object = ObjectKind::None;
    std::vector<std::string_view> keys;
    std::vector<std::string_view> triggers;
};

void addOnce(std::vector<std::string_view>& words, std::string_view word)
{
    if (std::none_of(words.begin(), words.end(), [word](std::string_view had) { return equalsIgnoringCase(had, word); }))
        words.push_back(word);
}

void countUses(FolderVocabulary& vocabulary, SectionUses& uses)
{
    if (!uses.keys.empty()) {
        Counts& keys = vocabulary.keys[uses.kind];
        for (const std::string_view key : uses.keys)
            ++keys[upperCase(key)];
    }
    for (const std::string_view trigger : uses.triggers)
        ++vocabulary.triggers[static_cast<std::size_t>(uses.object)][upperCase(trigger)];
    uses.keys.clear();
    uses.triggers.clear();
}

void beginSection(FolderVocabulary& vocabulary, SectionUses& uses, const ScriptWalk& walk)
{
    uses.kind = walk.kind() ? std::string(walk.kind()->name) : upperCase(walk.kindWord());
    uses.object = walk.kind() ? walk.kind()->object : ObjectKind::None;
    if (!uses.kind.empty())
        ++vocabulary.kinds[uses.kind];
}

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
    SectionUses uses;
    ScriptWalk walk(text);
    while (walk.next()) {
        const ScriptLine& line = walk.line();
        if (walk.place() == LinePlace::Header) {
            countUses(vocabulary, uses);
            beginSection(vocabulary, uses, walk);
        } else if (walk.place() == LinePlace::Keys && line.kind == LineKind::Keyed && !isTagKey(line.key.of(text))) {
            addOnce(uses.keys, line.key.of(text));
        } else if (walk.place() == LinePlace::Trigger && uses.object != ObjectKind::None) {
            if (const TextSpan name = triggerNameOf(text, line); !name.empty())
                addOnce(uses.triggers, name.of(text));
        }
    }
    countUses(vocabulary, uses);
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
