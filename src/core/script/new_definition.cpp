#include "core/script/new_definition.h"

#include "core/script/script_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

namespace defwright {
namespace {

// After the definition that holds the caret, or after the last line that is not blank.
std::size_t placeForNew(std::string_view script, std::size_t caret, const DefinitionKind& kind)
{
    const std::optional<DefinitionPlace> place = definitionAt(script, caret, kind);
    if (place && place->start <= caret)
        return place->end;
    const std::size_t last = script.find_last_not_of(" \t\r\n");
    return last == std::string_view::npos ? 0 : std::min(script.size(), script.find_first_of("\r\n", last));
}

} // namespace

NewDefinition planNewDefinition(std::string_view script, std::size_t caret, const DefinitionKind& kind,
                                std::string_view generated, LineBreak lineBreak)
{
    const std::size_t at = placeForNew(script, caret, kind);
    const std::string breakText(lineBreakText(lineBreak));
    std::string inserted = at == 0 ? std::string() : breakText + breakText;
    const std::size_t header = at + inserted.size();
    inserted += withLineBreaks(generated.substr(bannerText().size() + kLineBreak.size()), lineBreak);
    if (at == 0 && !script.empty())
        inserted += breakText;
    return {{at, at, std::move(inserted)}, header};
}

} // namespace defwright
