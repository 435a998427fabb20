#include "core/items/item_kind.h"
#include "core/npcs/npc_kind.h"
#include "core/script/new_definition.h"

#include <gtest/gtest.h>

#include <string>

namespace defwright {
namespace {

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
