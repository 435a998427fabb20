#include "core/items/item_reader.h"

#include "core/items/item_layout.h"

namespace defwright {
namespace {

ItemReading readAt(std::string_view script, const DefinitionPlace& place)
{
    ItemReading reading{{}, readDefinitionLines(script, place, itemLayout()), {}};
    reading.record.identifier = place.identifier.of(script);
    fillFields(script, reading.lines, itemLayout(), itemSlotFields(reading.record));
    reading.unheld = unheldLines(script, reading.lines);
    return reading;
}

} // namespace

std::optional<ItemReading> readItemDefinition(std::string_view script, std::size_t caret)
{
    const std::optional<DefinitionPlace> place = definitionAt(script, caret, itemLayout().kind);
    return place ? std::optional(readAt(script, *place)) : std::nullopt;
}

std::optional<ItemReading> readItemDefinitionAt(std::string_view script, std::size_t headerStart)
{
    const std::optional<DefinitionPlace> place = definitionAtHeader(script, headerStart, itemLayout().kind);
    return place ? std::optional(readAt(script, *place)) : std::nullopt;
}

} // namespace defwright
