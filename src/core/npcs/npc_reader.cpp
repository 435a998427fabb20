#include "core/npcs/npc_reader.h"

#include "core/npcs/npc_layout.h"

namespace defwright {
namespace {

NpcReading readAt(std::string_view script, const DefinitionPlace& place)
{
    NpcReading reading{{}, readDefinitionLines(script, place, npcLayout()), {}};
    reading.record.brain.clear();
    reading.record.identifier = place.identifier.of(script);
    fillFields(script, reading.lines, npcLayout(), npcSlotFields(reading.record));
    reading.unheld = unheldLines(script, reading.lines);
    return reading;
}

} // namespace

std::optional<NpcReading> readNpcDefinition(std::string_view script, std::size_t caret)
{
    const std::optional<DefinitionPlace> place = definitionAt(script, caret, npcLayout().kind);
    return place ? std::optional(readAt(script, *place)) : std::nullopt;
}

std::optional<NpcReading> readNpcDefinitionAt(std::string_view script, std::size_t headerStart)
{
    const std::optional<DefinitionPlace> place = definitionAtHeader(script, headerStart, npcLayout().kind);
    return place ? std::optional(readAt(script, *place)) : std::nullopt;
}

} // namespace defwright
