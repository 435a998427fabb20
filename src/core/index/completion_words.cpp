#include "core/index/completion_words.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/reference_names.h"
#include "core/index/server_names.h"
#include "core/items/item_tables.h"
#include "core/npcs/npc_tables.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

#include <algorithm>
#include <array>

namespace defwright {
namespace {

constexpr std::size_t kKeyLetters = 2;

bool isNameCharacter(char character)
{
    return isDefinitionName(std::string_view(&character, 1)) || (character >= '0' && character <= '9');
}

// The name being typed: the name characters right before the caret.
std::size_t typedName(std::string_view beforeCaret)
{
    std::size_t typed = 0;
    while (typed < beforeCaret.size() && isNameCharacter(beforeCaret[beforeCaret.size() - typed - 1]))
        ++typed;
    return typed;
}

// Sorted without regard to case, each once.
std::vector<std::string> distinct(std::vector<std::string> words)
{
    const auto less = [](const std::string& left, const std::string& right) { return upperCase(left) < upperCase(right); };
    std::sort(words.begin(), words.end(), less);
    words.erase(std::unique(words.begin(), words.end(),
                            [](const std::string& left, const std::string& right) {
                                return equalsIgnoringCase(left, right);
                            }),
                words.end());
    return words;
}

bool kindFits(std::string_view key, std::string_view kind)
{
    if (key == "TYPE")
        return kind == "TYPEDEF" || kind == "TYPEDEFS";
    if (key == "TEVENTS" || key == "EVENTS")
        return kind == "EVENTS";
    return kind == "ITEMDEF" || kind == "TEMPLATE";
}

} // namespace

CompletionPlace completionPlace(std::string_view beforeCaret, std::string_view sectionKind, bool asked)
{
    const ScriptLine line = scriptLineAt(beforeCaret, 0);
    if (line.kind == LineKind::Trigger && line.value.end == beforeCaret.size())
        return {CompletionPlace::Kind::Trigger, line.value.size(), {}};
    const std::size_t typed = typedName(beforeCaret);
    if (line.kind == LineKind::Keyed && line.value.end == beforeCaret.size()) {
        std::string key = upperCase(line.key.of(beforeCaret));
        if (isNamingKey(key) && (asked || typed > 0))
            return {CompletionPlace::Kind::Name, typed, std::move(key)};
        return {};
    }
    const bool atLineStart = typed == beforeCaret.size() - line.indent.end;
    const bool definition = sectionKind == "ITEMDEF" || sectionKind == "CHARDEF";
    if (line.kind != LineKind::Comment && atLineStart && definition && (asked || typed >= kKeyLetters))
        return {CompletionPlace::Kind::Key, typed, {}};
    return {};
}

std::vector<std::string> completionKeys(std::string_view sectionKind, const FolderIndex& index)
{
    std::vector<std::string> keys;
    const bool item = sectionKind == "ITEMDEF";
    const auto add = [&keys](const auto& table) { keys.insert(keys.end(), table.begin(), table.end()); };
    if (item) {
        add(kItemBasicKeys);
        add(kItemAxisKeys);
        add(std::array{kItemTypeKey, kItemHitPointsKey, kItemColorKey});
    } else {
        add(kNpcBasicKeys);
        add(kNpcListKeys);
        add(kNpcStatKeys);
        add(kNpcCreationKeys);
        add(std::array{kNpcBrainKey});
    }
    for (const std::uint32_t file : index.files()) {
        const ScriptSummary& summary = index.summary(file);
        for (const std::string& key : item ? summary.itemKeys : summary.characterKeys)
            keys.push_back(key + "=");
    }
    return distinct(std::move(keys));
}

std::vector<std::string> completionTriggers(const FolderIndex& index)
{
    std::vector<std::string> triggers(kItemTriggers.begin(), kItemTriggers.end());
    triggers.insert(triggers.end(), kNpcTriggers.begin(), kNpcTriggers.end());
    triggers.emplace_back("@CREATE");
    for (const std::uint32_t file : index.files()) {
        for (const std::string& trigger : index.summary(file).triggers) {
            if (trigger.size() > 1 && trigger.front() == '@')
                triggers.push_back(trigger);
        }
    }
    return distinct(std::move(triggers));
}

std::vector<std::string> completionNames(std::string_view key, std::string_view prefix, const FolderIndex& index)
{
    std::vector<std::string> names;
    index.forEachName([&](std::string_view name, std::span<const NamePlace> places) {
        if (isIdNumber(name) || !startsIgnoringCase(name, prefix))
            return;
        for (const NamePlace& place : places) {
            if (kindFits(key, index.section(place).kind)) {
                names.emplace_back(index.writtenName(place).text);
                return;
            }
        }
    });
    if (key == "TYPE") {
        for (const std::string_view name : kServerNames) {
            if (startsIgnoringCase(name, prefix))
                names.emplace_back(name);
        }
    }
    return distinct(std::move(names));
}

} // namespace defwright
