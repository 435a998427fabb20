#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "core/script/field_changes.h"
#include "core/script/new_definition.h"

#include "script_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

// The script after the item at the first header has had one field changed,
// with the fields as the reader gives them.
std::string itemEdited(const std::string& script, const FieldId& field, const std::string& value)
{
    const std::optional<ItemReading> reading = readDefinition<ItemKind>(script);
    const std::optional<TextEdit> edit = planEdit<ItemKind>(script, reading.value().lines.place.start, reading->record,
                                                      field, value, firstLineBreak(script));
    return applyEdit(script, edit.value());
}

std::string npcEdited(const std::string& script, const NpcRecord& fields, const FieldId& field,
                      const std::string& value)
{
    return applyEdit(script, planEdit<NpcKind>(script, 0, fields, field, value, "\n").value());
}

// The text with its first `from` made `to`.
std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    return text.replace(text.find(from), from.size(), to);
}

TEST(EditPlanner, ChangesOnlyTheValueOfTheFieldsLineOrTheIdentifierInTheHeader)
{
    const std::string script = "VERSION=1\n[ITEMDEF 0f5e] // sword\n\tName = Aegis //\xC3\x86gis\nTYPE=t_normal\n";
    EXPECT_EQ(itemEdited(script, itemBasicField(0), "Shield"), replaced(script, "Aegis //", "Shield //"));
    EXPECT_EQ(itemEdited(script, itemBasicField(0), ""), replaced(script, "\tName = Aegis //\xC3\x86gis\n", ""));
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\r\nNAME=a\r\nTYPE=t", itemTypeField(), ""), "[ITEMDEF 01]\r\nNAME=a");
    // A lone CR before the line and an LF after it never meet as one break.
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\rNAME=a\n\nTYPE=t", itemBasicField(0), ""), "[ITEMDEF 01]\r\n\nTYPE=t");
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\nNAME=", itemBasicField(0), "x"), "[ITEMDEF 01]\nNAME=x");
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\nNAME=   //c", itemBasicField(0), "x"), "[ITEMDEF 01]\nNAME=x   //c");
    // A "/" at the value's end never joins the comment's.
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\nNAME=//c", itemBasicField(0), "a/"), "[ITEMDEF 01]\nNAME=a/ //c");
    EXPECT_EQ(itemEdited("[ITEMDEF i_x] //c\nNAME=a", kItemIdentifierField, "sword"), "[ITEMDEF i_sword] //c\nNAME=a");
    EXPECT_EQ(itemEdited("[itemdef\t0f5e ]\nNAME=a", kItemIdentifierField, "0f5f"), "[itemdef\t0f5f ]\nNAME=a");
    EXPECT_EQ(itemEdited("[ITEMDEF]", kItemIdentifierField, "x"), "[ITEMDEF x]");
    EXPECT_EQ(itemEdited("[ITEMDEF i_x]", kItemIdentifierField, ""), "[ITEMDEF i_]");
}

// A new line goes where the generator would write it among the lines there are.
TEST(EditPlanner, PutsANewLineAfterTheNearestEarlierKeyElseBeforeALaterOne)
{
    const std::string script = "[ITEMDEF i_a] //c\r\nDEFNAME=x\r\nname=A\r\nTYPE=t\r\n\r\n// next\r\n[ITEMDEF i_b]";
    EXPECT_EQ(itemEdited(script, itemBasicField(8), "5"), replaced(script, "TYPE", "VALUE=5\r\nTYPE"));
    EXPECT_EQ(itemEdited("[ITEMDEF i_a]\nTYPE=t", itemBasicField(0), "A"), "[ITEMDEF i_a]\nNAME=A\nTYPE=t");
    EXPECT_EQ(itemEdited("[ITEMDEF i_a] //c\nDEFNAME=x", itemBasicField(1), "0f5e"),
              "[ITEMDEF i_a] //c\nID=0f5e\nDEFNAME=x");
    // The creation block, and the line that opens it when there is none.
    EXPECT_EQ(itemEdited(script, itemColorField(), "5"), replaced(script, "\r\n\r\n", "\r\nON=@CREATE\r\nCOLOR=5\r\n\r\n"));
    const std::string blocks = "[ITEMDEF i_a]\nON=@Create\n  COLOR=1\nON=@Click\nSAY hi";
    EXPECT_EQ(itemEdited(blocks, itemHitPointsField(FieldPart::Low), "9"), replaced(blocks, "  C", "HITPOINTS=9\n  C"));
    EXPECT_EQ(itemEdited("[ITEMDEF i_a]\nON=@Click\nSAY hi\nON=@create", itemColorField(), "2"),
              "[ITEMDEF i_a]\nON=@Click\nSAY hi\nON=@create\nCOLOR=2");
}

TEST(EditPlanner, KeepsTheFormOfARange)
{
    const auto hitPoints = [](const std::string& value, FieldPart part, const std::string& typed) {
        const std::string edited = itemEdited("[ITEMDEF 01]\nON=@CREATE\nHITPOINTS=" + value + " //hp", itemHitPointsField(part), typed);
        return edited.substr(edited.find("HITPOINTS=") + 10);
    };
    EXPECT_EQ(hitPoints("30", FieldPart::Low, "35"), "35 //hp");
    EXPECT_EQ(hitPoints("30", FieldPart::High, "40"), "{30 40} //hp");
    EXPECT_EQ(hitPoints("{30,40}", FieldPart::High, "45"), "{30,45} //hp");
    EXPECT_EQ(hitPoints("{30, 40}", FieldPart::Low, "1"), "{1, 40} //hp");
    EXPECT_EQ(hitPoints("30,40", FieldPart::High, ""), "30 //hp");
    EXPECT_EQ(hitPoints("{30 40}", FieldPart::High, ""), "{30} //hp");
    EXPECT_EQ(hitPoints("{30}", FieldPart::High, "9"), "{30 9} //hp");
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\nON=@CREATE\nHITPOINTS={30 40}", itemHitPointsField(FieldPart::Low), ""),
              "[ITEMDEF 01]\nON=@CREATE");
    EXPECT_EQ(itemEdited("[ITEMDEF 01]\nON=@CREATE", itemHitPointsField(FieldPart::High), "4"),
              "[ITEMDEF 01]\nON=@CREATE"); // the low value decides
    EXPECT_EQ(hitPoints("", FieldPart::High, "4"), " //hp"); // and "{ 4}" would read as a low value
}

// Typed key by key, a name passes through "Magic " with a blank at its end:
// the blank belongs to the value then, and never stays behind.
TEST(EditPlanner, TypingAValueWithABlankInItLeavesNoBlankBehind)
{
    for (const std::string comment : {"", " //c"}) {
        std::string script = "[ITEMDEF 01]\nNAME=" + comment;
        ItemRecord fields;
        for (const std::string typed : {"M", "Magic", "Magic ", "Magic S", "Magic Sword", "Magic ", "Magic"}) {
            script = applyEdit(script, planEdit<ItemKind>(script, 0, fields, itemBasicField(0), typed, "\n").value());
            fields.basic[0] = typed;
        }
        EXPECT_EQ(script, "[ITEMDEF 01]\nNAME=Magic" + comment);
    }
}

// The k-th filled box of a group is its k-th line.
TEST(EditPlanner, GroupsAndSkillsKeepTheirBoxesInLineOrder)
{
    const std::string script = "[CHARDEF 01]\nCAN=A\nCAN=C\nON=@CREATE\n  TAMING=95.1\n  WRESTLING={60 75}";
    NpcRecord fields = readDefinition<NpcKind>(script).value().record;
    fields.lists = {"A", "", "C"};
    EXPECT_EQ(npcEdited(script, fields, npcListField(2), "D"), replaced(script, "CAN=C", "CAN=D"));
    EXPECT_EQ(npcEdited(script, fields, npcListField(1), "B"), replaced(script, "CAN=C", "CAN=B\nCAN=C"));
    EXPECT_EQ(npcEdited(script, fields, npcListField(0), ""), replaced(script, "CAN=A\n", ""));
    // A name off the list keeps the line a skill's through braces.
    const std::string renamed = npcEdited(script, fields, npcSkillField(0, FieldPart::Name), "my_skill");
    EXPECT_EQ(renamed, replaced(script, "TAMING=95.1", "my_skill={95.1}"));
    NpcRecord renamedFields = fields;
    renamedFields.skills[0].name = "my_skill"; // off the list: not read back, but found by its name
    EXPECT_EQ(npcEdited(renamed, renamedFields, npcSkillField(0, FieldPart::Low), "90"),
              replaced(script, "TAMING=95.1", "my_skill={90}"));
    EXPECT_EQ(npcEdited(script, fields, npcSkillField(1, FieldPart::Low), ""), replaced(script, "{60 75}", "{ 75}"));
    EXPECT_EQ(npcEdited(script, fields, npcSkillField(2, FieldPart::Name), "HIDING"), script + "\nHIDING={}");
    EXPECT_EQ(npcEdited(script, fields, npcStatField(2, FieldPart::Low), "200"),
              replaced(script, "  TAMING", "STR=200\n  TAMING"));
}

TEST(EditPlanner, RefusesAPlaceWhereNoHeaderOfItsKindBegins)
{
    const std::string script = "[CHARDEF 01]\nNAME=a\n[ITEMDEF 02]";
    EXPECT_FALSE(planEdit<ItemKind>(script, 0, {}, itemBasicField(0), "x", "\n"));
    EXPECT_FALSE(planEdit<ItemKind>(script, 1, {}, itemBasicField(0), "x", "\n"));
    EXPECT_FALSE(planEdit<NpcKind>(script, 0, {}, {kNpcSlotCount, FieldPart::Value}, "x", "\n"));
    EXPECT_FALSE(planEdit<NpcKind>(script, 0, {}, FieldId{0, FieldPart::High}, "x", "\n"));
    EXPECT_TRUE(planEdit<ItemKind>(script, script.find("[ITEMDEF"), {}, itemBasicField(0), "x", "\n"));
}

using Ids = std::vector<FieldId>;

// What recordField() names for an id is what changedFields() finds under that id.
template <typename Kind>
void expectEachFieldFoundAlone()
{
    for (const FieldId& field : test::everyField(Kind::layout())) {
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

struct Added {
    std::string script;
    std::size_t caret;
    LineBreak lineBreak;
    std::string expected; // the script with the new definition, whose header is the last "[ITEMDEF i_]"
};

// After the definition at the caret; else after the last line that is not
// blank, whatever follows it; in the script's own line breaks.
TEST(NewDefinition, GoesAfterTheDefinitionAtTheCaretElseAfterTheLastLine)
{
    const std::string item = "[ITEMDEF i_]\r\n\r\n\r\nON=@CREATE";
    const std::vector<Added> table = {
        {"[ITEMDEF i_a]\r\nNAME=a\r\n\r\n[ITEMDEF i_b]", 3, LineBreak::CrLf,
         "[ITEMDEF i_a]\r\nNAME=a\r\n\r\n" + item + "\r\n\r\n[ITEMDEF i_b]"},
        {"// only a comment\r\n", 0, LineBreak::CrLf, "// only a comment\r\n\r\n" + item + "\r\n"},
        {"// banner\n[ITEMDEF i_a]\nNAME=a\n[TYPEDEF t_b]\n", 0, LineBreak::Lf,
         "// banner\n[ITEMDEF i_a]\nNAME=a\n[TYPEDEF t_b]\n\n[ITEMDEF i_]\n\n\nON=@CREATE\n"},
        {"[ITEMDEF i_a]\r\n[CHARDEF c_b]\r\nNAME=b  \r\n\r\n", 20, LineBreak::CrLf,
         "[ITEMDEF i_a]\r\n[CHARDEF c_b]\r\nNAME=b  \r\n\r\n" + item + "\r\n\r\n"},
        {"", 0, LineBreak::CrLf, item},
        {"\n \n", 2, LineBreak::Lf, "[ITEMDEF i_]\n\n\nON=@CREATE\n\n \n"},
        {"[ITEMDEF i_a]\rNAME=a", 20, LineBreak::Cr, "[ITEMDEF i_a]\rNAME=a\r\r[ITEMDEF i_]\r\r\rON=@CREATE"},
    };
    for (const Added& added : table) {
        const NewDefinition made = planNewDefinition<ItemKind>(added.script, added.caret, added.lineBreak);
        EXPECT_EQ(applyEdit(added.script, made.edit), added.expected) << added.script;
        EXPECT_EQ(made.header, added.expected.rfind("[ITEMDEF i_]")) << added.script;
    }
    const std::string npc = "[CHARDEF c_a]\nNAME=a";
    EXPECT_EQ(applyEdit(npc, planNewDefinition<NpcKind>(npc, 0, LineBreak::Lf).edit),
              npc + "\n\n[CHARDEF c_]\n\nON=@CREATE\nNPC=BRAIN_NONE");
}

} // namespace
} // namespace defwright
