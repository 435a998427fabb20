#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "core/script/field_changes.h"

#include <gtest/gtest.h>

#include <vector>

namespace defwright {
namespace {

using Ids = std::vector<FieldId>;

// Every field of a kind, as the planner names it.
Ids everyField(const DefinitionLayout& layout)
{
    Ids fields = {FieldId{}};
    for (std::size_t slot = 0; slot < layout.lineSlots.size(); ++slot) {
        const SlotForm form = layout.lineSlots[slot].form;
        if (form == SlotForm::Skill)
            fields.push_back({slot, FieldPart::Name});
        if (form == SlotForm::Plain)
            fields.push_back({slot, FieldPart::Value});
        else
            fields.insert(fields.end(), {{slot, FieldPart::Low}, {slot, FieldPart::High}});
    }
    return fields;
}

// What recordField() names for an id is what changedFields() finds under that id.
template <typename Kind>
void expectEachFieldFoundAlone()
{
    for (const FieldId& field : everyField(Kind::layout())) {
        typename Kind::Record changed;
        recordField<Kind>(changed, field) += "x";
        EXPECT_EQ(changedFields<Kind>({}, changed), Ids{field}) << field.slot;
    }
}

TEST(ChangedFields, EachFieldChangedAloneIsFoundUnderItsOwnId)
{
    expectEachFieldFoundAlone<ItemKind>();
    expectEachFieldFoundAlone<NpcKind>();
}

TEST(ChangedFields, NamesTheRecordsMembersInTheLayoutsOrder)
{
    ItemRecord item;
    EXPECT_EQ(changedFields<ItemKind>({}, item), Ids{});
    item.color = item.axis[2] = item.basic[0] = item.identifier = "x";
    item.hitPointsHigh = "9";
    EXPECT_EQ(changedFields<ItemKind>({}, item), (Ids{kItemIdentifierField, itemBasicField(0), itemAxisField(2),
                                                      itemHitPointsField(FieldPart::High), itemColorField()}));
    NpcRecord npc;
    npc.skills[1] = {"HIDING", "", "9"};
    npc.stats[2].low = npc.lists[1] = npc.basic[16] = npc.creation[3] = "x";
    npc.brain.clear();
    EXPECT_EQ(changedFields<NpcKind>({}, npc),
              (Ids{npcBasicField(16), npcListField(1), npcBrainField(), npcStatField(2, FieldPart::Low),
                   npcCreationField(3), npcSkillField(1, FieldPart::Name), npcSkillField(1, FieldPart::High)}));
}

} // namespace
} // namespace defwright
