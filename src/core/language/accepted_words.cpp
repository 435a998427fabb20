#include "core/language/accepted_words.h"

#include "core/language/definition_keys.h"
#include "core/language/fired_triggers.h"
#include "core/language/form_fields.h"
#include "core/language/section_kind.h"
#include "core/language/table_lookup.h"

#include <algorithm>

namespace defwright {
namespace {

void addUsed(std::vector<std::string_view>& words, const FolderVocabulary::Counts& counts)
{
    for (const auto& [word, uses] : counts) {
        if (uses >= FolderVocabulary::kEnoughUses)
            words.emplace_back(word);
    }
}

// Alphabetical without regard to case, each once: the lists' spelling is
// kept over the folder's upper case, which comes after it.
std::vector<std::string_view> sortedOnce(std::vector<std::string_view> words)
{
    std::stable_sort(words.begin(), words.end(), lessIgnoringCase);
    words.erase(std::unique(words.begin(), words.end(), equalsIgnoringCase), words.end());
    return words;
}

} // namespace

bool acceptsKey(std::string_view kind, std::string_view key, const FolderVocabulary& vocabulary)
{
    return isKnownKey(kind, key) || usesKey(vocabulary, kind, key);
}

bool acceptsTrigger(ObjectKind object, std::string_view trigger, const FolderVocabulary& vocabulary)
{
    return isKnownTrigger(object, trigger) || usesTrigger(vocabulary, object, trigger);
}

bool acceptsKind(std::string_view word, const FolderVocabulary& vocabulary)
{
    return isSectionWord(word) || usesKind(vocabulary, word);
}

std::vector<std::string_view> acceptedKeys(std::string_view kind, const FolderVocabulary& vocabulary)
{
    std::vector<std::string_view> keys = formBodyKeys(kind);
    for (const DefinitionKeyRow& row : listedKeys(kind)) {
        if (row.key != "TAG" && row.key != "TAG0")
            keys.push_back(row.key);
    }
    if (const auto used = vocabulary.keys.find(kind); used != vocabulary.keys.end())
        addUsed(keys, used->second);
    return sortedOnce(std::move(keys));
}

std::vector<std::string_view> acceptedTriggers(ObjectKind object, const FolderVocabulary& vocabulary)
{
    std::vector<std::string_view> triggers;
    for (const TriggerRow& row : listedTriggers(object))
        triggers.push_back(row.written);
    for (const ObjectKind kind : kFiringObjects) {
        if (object == kind || object == ObjectKind::Any) {
            const std::span<const std::string_view> buttons = formTriggers(kind);
            triggers.insert(triggers.end(), buttons.begin(), buttons.end());
        }
    }
    for (std::size_t bucket = 0; bucket < vocabulary.triggers.size(); ++bucket) {
        const auto kind = static_cast<ObjectKind>(bucket);
        if (object == ObjectKind::Any || kind == object || kind == ObjectKind::Any)
            addUsed(triggers, vocabulary.triggers[bucket]);
    }
    return object == ObjectKind::None ? std::vector<std::string_view>() : sortedOnce(std::move(triggers));
}

std::vector<std::string_view> acceptedKinds(const FolderVocabulary& vocabulary)
{
    std::vector<std::string_view> kinds;
    for (const SectionKindRow& row : sectionKindRows())
        kinds.push_back(row.kind);
    for (const SectionAliasRow& row : sectionAliasRows())
        kinds.push_back(row.written);
    addUsed(kinds, vocabulary.kinds);
    return sortedOnce(std::move(kinds));
}

} // namespace defwright
