#include "core/index/completion_words.h"

#include "core/index/definition_name.h"
#include "core/index/folder_index.h"
#include "core/index/reference_names.h"
#include "core/index/server_names.h"
#include "core/language/language_completion.h"
#include "core/script/ascii_case.h"
#include "core/script/script_line.h"

namespace defwright {
namespace {

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

bool kindFits(std::string_view key, std::string_view kind)
{
    if (key == "TYPE")
        return kind == "TYPEDEF" || kind == "TYPEDEFS";
    if (key == "TEVENTS" || key == "EVENTS")
        return kind == "EVENTS";
    return kind == "ITEMDEF" || kind == "TEMPLATE";
}

} // namespace

std::optional<NameCompletionPlace> nameCompletionPlace(std::string_view beforeCaret, bool asked)
{
    const ScriptLine line = scriptLineAt(beforeCaret, 0);
    if (line.kind != LineKind::Keyed || line.value.end != beforeCaret.size())
        return std::nullopt;
    const std::size_t typed = typedName(beforeCaret);
    std::string key = upperCase(line.key.of(beforeCaret));
    if (!isNamingKey(key) || (!asked && typed == 0))
        return std::nullopt;
    return NameCompletionPlace{typed, std::move(key)};
}

std::vector<std::string> completionNames(std::string_view key, std::string_view typed, const FolderIndex& index)
{
    std::vector<std::string_view> names;
    index.forEachName([&](std::string_view name, std::span<const NamePlace> places) {
        if (isIdNumber(name))
            return;
        for (const NamePlace& place : places) {
            if (kindFits(key, index.section(place).kind)) {
                names.push_back(index.writtenName(place).text);
                return;
            }
        }
    });
    if (key == "TYPE")
        names.insert(names.end(), kServerNames.begin(), kServerNames.end());
    std::vector<std::string> fitting;
    for (const std::string_view name : fittingWords(names, typed)) {
        if (fitting.empty() || !equalsIgnoringCase(fitting.back(), name))
            fitting.emplace_back(name);
    }
    return fitting;
}

} // namespace defwright
