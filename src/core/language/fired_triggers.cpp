#include "core/language/fired_triggers.h"

#include "core/language/form_fields.h"
#include "core/language/table_lookup.h"

#include <algorithm>

namespace defwright {

std::span<const TriggerRow> listedTriggers(ObjectKind object)
{
    const std::span<const TriggerRow> rows = triggerRows();
    if (object == ObjectKind::Any)
        return rows;
    const auto first = std::partition_point(rows.begin(), rows.end(),
                                            [object](const TriggerRow& row) { return row.object < object; });
    const auto last = std::partition_point(first, rows.end(),
                                           [object](const TriggerRow& row) { return row.object == object; });
    return {first, last};
}

bool isKnownTrigger(ObjectKind object, std::string_view trigger)
{
    if (object == ObjectKind::Any)
        return !objectsFiring(trigger).empty();
    const auto listed = rowsOf(listedTriggers(object), [](const TriggerRow& row) { return row.upper; }, trigger);
    const std::span<const std::string_view> buttons = formTriggers(object);
    return !listed.empty() || std::any_of(buttons.begin(), buttons.end(), [trigger](std::string_view button) {
        return equalsIgnoringCase(button, trigger);
    });
}

std::string_view objectKindName(ObjectKind object)
{
    switch (object) {
    case ObjectKind::Item: return "item";
    case ObjectKind::Character: return "character";
    case ObjectKind::Region: return "region";
    case ObjectKind::Any:
    case ObjectKind::None: break;
    }
    return "object";
}

std::vector<ObjectKind> objectsFiring(std::string_view trigger)
{
    std::vector<ObjectKind> objects;
    for (const ObjectKind object : kFiringObjects) {
        if (isKnownTrigger(object, trigger))
            objects.push_back(object);
    }
    return objects;
}

} // namespace defwright
