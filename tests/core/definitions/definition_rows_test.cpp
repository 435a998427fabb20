#include "core/definitions/row_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

// Each body row as "kind:text", the kinds as one letter: K keyed, O other, B blank, C comment.
std::vector<std::string> bodyOf(std::string_view text, const DefinitionRows& rows)
{
    std::vector<std::string> body;
    for (const ScriptLine& line : rows.body) {
        const char kind = line.kind == LineKind::Keyed ? 'K' : line.kind == LineKind::Other ? 'O'
            : line.kind == LineKind::Blank                                                     ? 'B'
                                                                                               : 'C';
        body.push_back(std::string(1, kind) + ":" + std::string(line.text.of(text)));
    }
    return body;
}

std::vector<std::string> triggersOf(std::string_view text, const DefinitionRows& rows)
{
    std::vector<std::string> triggers;
    for (const DefinitionTrigger& trigger : rows.triggers)
        triggers.push_back(std::string(trigger.line.value.of(text)) + " " + std::to_string(trigger.lineCount));
    return triggers;
}

TEST(DefinitionRows, ReadsTheHeaderWordsOfAnyKind)
{
    const struct {
        std::string header;
        std::string kind, name, arguments;
    } cases[] = {
        {"[ITEMDEF 0a25]", "ITEMDEF", "0a25", ""},
        {"  [ regiontype r_cave\t2 x ] // caves", "regiontype", "r_cave", "2 x"},
        {"[EOF]", "EOF", "", ""},
        {"[]", "", "", ""},
        {"[SPELL 12] junk after", "SPELL", "12", ""},
    };
    for (const auto& each : cases) {
        const std::optional<DefinitionRows> rows = readDefinitionRows(each.header, 0);
        ASSERT_TRUE(rows) << each.header;
        EXPECT_EQ(rows->words.kind.of(each.header), each.kind);
        EXPECT_EQ(rows->words.name.of(each.header), each.name);
        EXPECT_EQ(rows->words.arguments.of(each.header), each.arguments);
    }
}

TEST(DefinitionRows, KeepsEveryBodyLineInTheFilesOrderAndEachTriggerWithItsLines)
{
    const std::string text = "VERSION=1\r\n[SPAWN s_orcs] // orcs\r\nID=c_orc\r\n\r\nID=c_orc_lord //boss\r\n"
                             "TAG.Level = 3\r\n  a line without equals\r\n// note\r\nON=@Create\r\n  COLOR=1\r\n\r\n"
                             "  SAY hi\r\n\r\nON=@Click\r\n// banner of the next\r\n\r\n[TEMPLATE t]";
    const std::optional<DefinitionRows> rows = readDefinitionRows(text, text.find("SAY"));
    ASSERT_TRUE(rows);
    EXPECT_EQ(bodyOf(text, *rows), (std::vector<std::string>{"K:ID=c_orc", "B:", "K:ID=c_orc_lord //boss",
                                                             "K:TAG.Level = 3", "O:  a line without equals", "C:// note"}));
    EXPECT_EQ(rows->body[3].key.of(text), "TAG.Level");
    EXPECT_EQ(rows->body[2].value.of(text), "c_orc_lord");
    EXPECT_EQ(triggersOf(text, *rows), (std::vector<std::string>{"@Create 3", "@Click 0"}));
    EXPECT_EQ(rows->end, text.find("\r\n// banner"));
    EXPECT_EQ(rows->header.comment.of(text), "// orcs");
}

TEST(DefinitionRows, FindsTheHeaderFromAnyByteOfItsDefinition)
{
    const std::string text = "// top\n[A a]\nK=1\r\n  [unclosed // c]\r\n\r\n//c\r\n[B b]\rK=2\rON=@x\r  y\r\n";
    const std::size_t b = text.find("[B");
    for (std::size_t at = 0; at <= text.size(); ++at) {
        const std::optional<DefinitionRows> rows = readDefinitionRows(text, at);
        if (at < text.find("[A")) {
            EXPECT_FALSE(rows) << at;
            continue;
        }
        ASSERT_TRUE(rows) << at;
        EXPECT_EQ(rows->header.start(), at < b ? text.find("[A") : b) << at;
    }
    EXPECT_FALSE(readDefinitionRowsAtHeader(text, text.find("K=1")));
    EXPECT_FALSE(readDefinitionRowsAtHeader(text, b + 1));
    EXPECT_FALSE(readDefinitionRowsAtHeader(text, text.size() + 1));
}

// What the body ends with: the blank and comment lines before the first
// trigger are its own; before the next header or the text's end they are not.
TEST(DefinitionRows, EndsTheBodyAtItsLastLineThatHoldsSomething)
{
    const struct {
        std::string text;
        std::vector<std::string> body;
        std::size_t end;
    } cases[] = {
        {"[A]", {}, 3},
        {"[A]\n", {}, 3},
        {"[A]\n\n//c\n", {}, 3},
        {"[A]\nK=1\n\n", {"K:K=1"}, 7},
        {"[A]\nK=1\n//c\n\n[B]", {"K:K=1"}, 7},
        {"[A]\nK=1\n//c\nON=@x", {"K:K=1", "C://c"}, 17},
        {"[A]\nON=@x\n  y\n\n", {}, 13},
    };
    for (const auto& each : cases) {
        const std::optional<DefinitionRows> rows = readDefinitionRows(each.text, 0);
        ASSERT_TRUE(rows);
        EXPECT_EQ(bodyOf(each.text, *rows), each.body) << each.text;
        EXPECT_EQ(rows->end, each.end) << each.text;
    }
}

// A definition of 50,000 lines is read whole, from a caret at its end as
// from its header, and a value of 1 MB stays in one row.
TEST(DefinitionRows, ReadsVeryLongDefinitionsAndValues)
{
    std::string text = "[ITEMDEF i_long]\n";
    for (int line = 0; line < 50'000; ++line)
        text += "K" + std::to_string(line) + "=" + std::to_string(line) + "\n";
    text += "HUGE=" + std::string(1 << 20, 'v') + "\nON=@Create\n";
    const std::optional<DefinitionRows> rows = readDefinitionRows(text, text.size() - 3);
    ASSERT_TRUE(rows);
    ASSERT_EQ(rows->body.size(), 50'001u);
    EXPECT_EQ(rows->body[49'999].key.of(text), "K49999");
    EXPECT_EQ(rows->body.back().value.size(), 1u << 20);
    EXPECT_EQ(rows->triggers.size(), 1u);
    // Its 1 MB value changed, a row of it taken away, one added after the last.
    const std::string changed = applyEdit(text, planValueChange(text, rows->body.back(), "small").value());
    EXPECT_EQ(changed.size(), text.size() - (1u << 20) + 5);
    EXPECT_TRUE(changed.ends_with("HUGE=small\nON=@Create\n"));
    EXPECT_EQ(applyEdit(text, planRowRemoval(text, rows->body[25'000])).size(), text.size() - 13); // "K25000=25000\n"
    const std::string added = applyEdit(text, planRowAddition(text, *rows, "NEW", "1", "\n").value());
    EXPECT_TRUE(added.ends_with("v\nNEW=1\nON=@Create\n"));
}

} // namespace
} // namespace defwright
