#include "core/language/definition_keys.h"

#include "core/language/form_fields.h"
#include "core/language/table_lookup.h"

namespace defwright {

std::span<const DefinitionKeyRow> listedKeys(std::string_view kind)
{
    return rowsOf(definitionKeyRows(), [](const DefinitionKeyRow& row) { return row.kind; }, kind);
}

bool isTagKey(std::string_view key)
{
    return (startsIgnoringCase(key, "TAG.") && key.size() > 4) || (startsIgnoringCase(key, "TAG0.") && key.size() > 5);
}

bool isKnownKey(std::string_view kind, std::string_view key)
{
    const auto listed = rowsOf(listedKeys(kind), [](const DefinitionKeyRow& row) { return row.key; }, key);
    return !listed.empty() || isTagKey(key) || isFormBodyKey(kind, key);
}

} // namespace defwright
