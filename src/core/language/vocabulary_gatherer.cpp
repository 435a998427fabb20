#include "core/language/vocabulary_gatherer.h"

#include "core/language/definition_keys.h"
#include "core/script/ascii_case.h"

#include <algorithm>

namespace defwright {
namespace {

void addOnce(std::vector<std::string_view>& words, std::string_view word)
{
    if (std::none_of(words.begin(), words.end(), [word](std::string_view had) { return equalsIgnoringCase(had, word); }))
        words.push_back(word);
}

} // namespace

VocabularyGatherer::VocabularyGatherer(FolderVocabulary& into)
    : into_(into)
{
}

void VocabularyGatherer::read(std::string_view text, const ScriptLine& line, const LinePlacer& placer)
{
    const LinePlace place = placer.placed();
    if (place == LinePlace::Header) {
        countSection();
        kind_ = placer.kind() ? std::string(placer.kind()->name) : upperCase(placer.kindWord());
        object_ = placer.kind() ? placer.kind()->object : ObjectKind::None;
        if (!kind_.empty())
            ++into_.kinds[kind_];
    } else if (place == LinePlace::Keys && line.kind == LineKind::Keyed && !isTagKey(line.key.of(text))) {
        addOnce(keys_, line.key.of(text));
    } else if (place == LinePlace::Trigger && object_ != ObjectKind::None) {
        if (const TextSpan name = triggerNameOf(text, line); !name.empty())
            addOnce(triggers_, name.of(text));
    }
}

void VocabularyGatherer::finish()
{
    countSection();
}

void VocabularyGatherer::countSection()
{
    if (!keys_.empty()) {
        FolderVocabulary::Counts& keys = into_.keys[kind_];
        for (const std::string_view key : keys_)
            countOnce(keys, key);
    }
    for (const std::string_view trigger : triggers_)
        countOnce(into_.triggers[static_cast<std::size_t>(object_)], trigger);
    keys_.clear();
    triggers_.clear();
}

// Most words are counted before, so they are looked up in upper case without
// making a string of each.
void VocabularyGatherer::countOnce(FolderVocabulary::Counts& counts, std::string_view word)
{
    upper_.resize(word.size());
    std::transform(word.begin(), word.end(), upper_.begin(), asciiUpper);
    if (const auto at = counts.find(upper_); at != counts.end())
        ++at->second;
    else
        counts.emplace(upper_, 1);
}

} // namespace defwright
