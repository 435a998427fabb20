#include "core/files/line_breaks.h"
#include "core/items/item_edit.h"
#include "core/items/item_layout.h"
#include "core/items/item_reader.h"
#include "core/items/item_script.h"
#include "core/npcs/npc_edit.h"
#include "core/npcs/npc_layout.h"
#include "core/npcs/npc_reader.h"
#include "core/npcs/npc_script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace defwright {
namespace {

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Typing one character at the end of the NAME box changes the NAME line alone,
// or adds one, and its inverse gives the file back.
template <typename Read, typename Plan, typename Write>
void expectNameTyped(const std::string& text, std::size_t header, Read read, Plan plan, Write write,
                     std::string_view lineBreak)
{
    const auto reading = read(text, header);
    ASSERT_TRUE(reading) << header;
    auto expected = reading->record;
    const std::string name = expected.basic[0] + "x";
    expected.basic[0] = name;
    const std::optional<TextEdit> edit = plan(text, header, reading->record, FieldId{0, FieldPart::Value}, name, lineBreak);
    ASSERT_TRUE(edit);
    const std::optional<ScriptLine> nameLine = reading->lines.slotLines[0];
    if (nameLine) {
        EXPECT_TRUE(edit->start >= nameLine->text.start && edit->end <= nameLine->text.end);
    } else {
        EXPECT_EQ(edit->start, edit->end);
        EXPECT_TRUE(edit->replacement == std::string(lineBreak) + "NAME=x" || edit->replacement == "NAME=x" + std::string(lineBreak));
    }
    const std::string edited = applyEdit(text, *edit);
    const auto again = read(edited, header);
    ASSERT_TRUE(again);
    EXPECT_EQ(write(again->record), write(expected));
    EXPECT_EQ(applyEdit(edited, inverseEdit(text, *edit)), text);
}

// Counts the definitions of each kind.
void checkEveryDefinition(const std::string& text, std::string_view lineBreak, std::size_t& items, std::size_t& npcs)
{
    for (std::size_t start = 0;;) {
        const ScriptLine line = scriptLineAt(text, start);
        if (headerPlace(text, line, itemLayout().kind)) {
            ++items;
            expectNameTyped(text, start, readItemDefinitionAt, planItemEdit, itemScript, lineBreak);
        } else if (headerPlace(text, line, npcLayout().kind)) {
            ++npcs;
            expectNameTyped(text, start, readNpcDefinitionAt, planNpcEdit, npcScript, lineBreak);
        }
        if (line.isLast() || testing::Test::HasFatalFailure())
            return;
        start = line.next();
    }
}

// Every item and NPC definition of real script files, with their own LF breaks,
// with CR LF and with lone CRs.
TEST(SampleScripts, EveryDefinitionReadsAndANameEditTouchesOnlyItsLine)
{
    std::size_t items = 0;
    std::size_t npcs = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(DEFWRIGHT_SAMPLE_SCRIPTS)) {
        if (entry.path().extension() != ".scp")
            continue;
        const std::string text = fileText(entry.path());
        for (const LineBreak lineBreak : {LineBreak::Lf, LineBreak::CrLf, LineBreak::Cr}) {
            const std::string_view breakText = lineBreakText(lineBreak);
            SCOPED_TRACE(entry.path().string() + " with breaks of " + std::to_string(breakText.size()) + " bytes");
            checkEveryDefinition(withLineBreaks(text, lineBreak), breakText, items, npcs);
            ASSERT_FALSE(HasFatalFailure());
        }
    }
    EXPECT_EQ(items, 3u * 2936u);
    EXPECT_EQ(npcs, 3u * 183u);
}

} // namespace
} // namespace defwright
