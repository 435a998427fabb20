#include "core/language/form_fields.h"

#include "core/items/item_layout.h"
#include "core/items/item_tables.h"
#include "core/npcs/npc_layout.h"
#include "core/npcs/npc_tables.h"
#include "core/script/ascii_case.h"

#include <algorithm>
#include <array>

namespace defwright {
namespace {

constexpr std::array<const DefinitionLayout& (*)(), 2> kLayouts = {itemLayout, npcLayout};

bool captionIs(std::string_view caption, std::string_view key)
{
    return !caption.empty() && equalsIgnoringCase(caption.substr(0, caption.size() - 1), key);
}

void addField(std::vector<FormField>& fields, const FormField& field)
{
    if (std::find(fields.begin(), fields.end(), field) == fields.end())
        fields.push_back(field);
}

} // namespace

std::vector<FormField> formFields(std::string_view key)
{
    std::vector<FormField> fields;
    for (const auto layout : kLayouts) {
        const std::string_view section = layout().kind.section;
        for (const LineSlot& slot : layout().lineSlots) {
            if (captionIs(slot.key, key))
                addField(fields, {section, slot.key, slot.inCreateBlock});
        }
        for (const std::string_view skill : layout().skillNames) {
            if (equalsIgnoringCase(skill, key))
                addField(fields, {section, {}, true});
        }
    }
    return fields;
}

std::vector<std::string_view> formBodyKeys(std::string_view kind)
{
    std::vector<std::string_view> keys;
    for (const auto layout : kLayouts) {
        if (layout().kind.section != kind)
            continue;
        for (const LineSlot& slot : layout().lineSlots) {
            const std::string_view key = slot.key.substr(0, slot.key.size() - 1);
            if (!slot.inCreateBlock && !slot.key.empty() && std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
    }
    return keys;
}

bool isFormBodyKey(std::string_view kind, std::string_view key)
{
    for (const auto layout : kLayouts) {
        if (layout().kind.section != kind)
            continue;
        for (const LineSlot& slot : layout().lineSlots) {
            if (!slot.inCreateBlock && captionIs(slot.key, key))
                return true;
        }
    }
    return false;
}

std::span<const std::string_view> formTriggers(ObjectKind object)
{
    if (object == ObjectKind::Item)
        return kItemTriggers;
    if (object == ObjectKind::Character)
        return kNpcTriggers;
    return {};
}

} // namespace defwright
