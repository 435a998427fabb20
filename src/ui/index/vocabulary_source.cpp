#include "ui/index/vocabulary_source.h"

#include "core/language/fired_triggers.h"
#include "ui/index/scripts_index.h"

#include <algorithm>
#include <array>

namespace defwright {
namespace {

constexpr std::array<ObjectKind, 4> kTriggerObjects = {ObjectKind::Item, ObjectKind::Character, ObjectKind::Region,
                                                       ObjectKind::Any};

// Each word the folder's uses make acceptable, as the checker asks for it.
std::vector<std::string> acceptedWords(const FolderVocabulary& vocabulary)
{
    std::vector<std::string> words;
    for (const auto& [kind, uses] : vocabulary.kinds) {
        if (usesKind(vocabulary, kind))
            words.push_back("[" + kind);
    }
    for (const auto& [kind, keys] : vocabulary.keys) {
        for (const auto& [key, uses] : keys) {
            if (usesKey(vocabulary, kind, key))
                words.push_back(kind + ":" + key);
        }
    }
    for (const FolderVocabulary::Counts& triggers : vocabulary.triggers) {
        for (const auto& [trigger, uses] : triggers) {
            for (const ObjectKind object : kTriggerObjects) {
                if (usesTrigger(vocabulary, object, trigger))
                    words.push_back(std::string(objectKindName(object)) + ":" + trigger);
            }
        }
    }
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

} // namespace

VocabularySource::VocabularySource(const ScriptsIndex* index, QObject* parent)
    : QObject(parent)
    , index_(index)
{
    connect(index, &ScriptsIndex::built, this, &VocabularySource::follow);
    connect(index, &ScriptsIndex::changed, this, &VocabularySource::follow);
    follow();
}

void VocabularySource::follow()
{
    std::vector<std::string> accepted = acceptedWords(index_->index().vocabulary());
    if (accepted == accepted_)
        return;
    accepted_ = std::move(accepted);
    vocabulary_ = std::make_shared<const FolderVocabulary>(index_->index().vocabulary());
    emit changed();
}

} // namespace defwright
