#include "core/items/item_reader.h"

#include "core/items/item_tables.h"
#include "core/script/field_targets.h"

namespace defwright {
namespace {

void addTargets(FieldTargets& targets, ItemRecord& item)
{
    for (std::size_t i = 0; i < item.basic.size(); ++i)
        targets.add(kItemBasicKeys[i], &item.basic[i], false);
    targets.add(kItemTypeKey, &item.type, false);
    for (std::size_t i = 0; i < item.axis.size(); ++i)
        targets.add(kItemAxisKeys[i], &item.axis[i], false);
    targets.addRange(kItemHitPointsKey, &item.hitPointsLow, &item.hitPointsHigh, true);
    targets.add(kItemColorKey, &item.color, true);
}

} // namespace

std::optional<ItemReading> readItemDefinition(std::string_view script, std::size_t caretLine)
{
    constexpr DefinitionKind kKind = definitionKind(kItemHeaderCaption);
    const std::optional<DefinitionText> definition = definitionAt(script, caretLine, kKind);
    if (!definition)
        return std::nullopt;
    ItemReading reading;
    reading.record.identifier = definition->identifier;
    FieldTargets targets;
    addTargets(targets, reading.record);
    reading.unheld = DefinitionReader::read(*definition, [&targets](const KeyedLine& line) {
        return targets.fill(line.key, line.value, line.inCreateBlock) == FieldTargets::Fill::Filled;
    });
    return reading;
}

} // namespace defwright
