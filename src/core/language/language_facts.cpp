#include "core/language/language_facts.h"

#include "core/language/definition_keys.h"
#include "core/language/fired_triggers.h"
#include "core/language/script_walk.h"
#include "core/language/table_lookup.h"

#include <algorithm>

namespace defwright {
namespace {

std::string_view noteOf(std::string_view key)
{
    const auto rows = rowsOf(keyNoteRows(), [](const KeyNoteRow& row) { return row.key; }, key);
    if (!rows.empty())
        return rows.front().note;
    const std::size_t dot = key.find('.');
    return dot == std::string_view::npos ? std::string_view() : noteOf(key.substr(0, dot));
}

void addOnce(std::vector<std::string_view>& kinds, std::string_view kind)
{
    if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end())
        kinds.push_back(kind);
}

} // namespace

KeyFacts keyFacts(std::string_view key, const FolderVocabulary& vocabulary)
{
    KeyFacts facts{upperCase(key), isTagKey(key), {}, formFields(key), noteOf(key)};
    for (const DefinitionKeyRow& row : definitionKeyRows()) {
        if (row.key == facts.key)
            addOnce(facts.kinds, row.kind);
    }
    for (const FormField& field : facts.fields) {
        if (!field.inCreateBlock)
            addOnce(facts.kinds, field.section);
    }
    for (const auto& [kind, keys] : vocabulary.keys) {
        if (usesKey(vocabulary, kind, key))
            addOnce(facts.kinds, kind);
    }
    std::sort(facts.kinds.begin(), facts.kinds.end());
    return facts;
}

TriggerFacts triggerFacts(std::string_view trigger, const FolderVocabulary& vocabulary)
{
    TriggerFacts facts{upperCase(trigger), {}};
    for (const ObjectKind object : kFiringObjects) {
        // Uses in [EVENTS] sections say nothing of which object fires it.
        const FolderVocabulary::Counts& used = vocabulary.triggers[static_cast<std::size_t>(object)];
        const auto uses = used.find(facts.trigger);
        if (isKnownTrigger(object, trigger) || (uses != used.end() && uses->second >= FolderVocabulary::kEnoughUses))
            facts.objects.push_back(object);
    }
    return facts;
}

LanguageWord languageWordAt(std::string_view text, std::size_t position)
{
    const ScriptLine line = scriptLineAt(text, lineStartAt(text, position));
    const auto holds = [position](TextSpan span) { return span.start <= position && position < span.end; };
    if (const TextSpan trigger = triggerNameOf(text, line); holds(trigger))
        return {LanguageWord::Kind::Trigger, trigger};
    if (line.kind == LineKind::Keyed && holds(line.key))
        return {LanguageWord::Kind::Key, line.key};
    return {};
}

} // namespace defwright
