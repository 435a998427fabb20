#include "core/definitions/edit_list.h"
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

DefinitionRows rowsOf(std::string_view text)
{
    return readDefinitionRows(text, 0).value();
}

// The text with the first body row whose text begins with `row` changed to `value`.
std::string changed(const std::string& text, std::string_view row, std::string_view value)
{
    const DefinitionRows rows = rowsOf(text);
    for (const ScriptLine& line : rows.body) {
        if (line.text.of(text).starts_with(row)) {
            const std::optional<TextEdit> edit = planValueChange(text, line, value);
            return edit ? applyEdit(text, *edit) : "refused";
        }
    }
    return "no such row";
}

std::string removed(const std::string& text, std::size_t row)
{
    return applyEdit(text, planRowRemoval(text, rowsOf(text).body.at(row)));
}

std::string added(const std::string& text, std::string_view key, std::string_view value, std::string_view lineBreak)
{
    const std::optional<TextEdit> edit = planRowAddition(text, rowsOf(text), key, value, lineBreak);
    return edit ? applyEdit(text, *edit) : "refused";
}

TEST(RowEdits, ChangesOnlyTheValuesBytes)
{
    const struct {
        std::string text, row, value, expected;
    } cases[] = {
        {"[A]\n  Name = Aegis //\xC3\x86gis\nK=1", "  Name", "Shield", "[A]\n  Name = Shield //\xC3\x86gis\nK=1"},
        {"[A]\r\nNAME=\r\n", "NAME", " x ", "[A]\r\nNAME=x\r\n"},
        {"[A]\nNAME=   //c", "NAME", "x", "[A]\nNAME=x   //c"},
        {"[A]\nNAME=a", "NAME", "", "[A]\nNAME="},
        {"[A]\nNAME=//c", "NAME", "a/", "[A]\nNAME=a/ //c"},
        {"[A]\nTAG.Owner=1", "TAG", "2", "[A]\nTAG.Owner=2"},
        {"[A]\n  bare words // c", "  bare", "other words", "[A]\n  other words // c"},
        {"[A]\n  bare words", "  bare", "K=v", "[A]\n  K=v"},
        // What would change what the definition is, or put in a line, is refused.
        {"[A]\nK=1", "K", "a\nb", "refused"},
        {"[A]\nON=1", "ON", "@Create", "refused"},
        {"[A]\n  bare words", "  bare", "[B]", "refused"},
        {"[A]\n  bare words", "  bare", "on=@x", "refused"},
        // An emptied line between a lone CR and an LF would join the line before.
        {"[A]\rx\nK=1", "x", "", "refused"},
        {"[A]\r\nx\nK=1", "x", "", "[A]\r\n\nK=1"},
    };
    for (const auto& each : cases)
        EXPECT_EQ(changed(each.text, each.row, each.value), each.expected) << each.text;
}

TEST(RowEdits, TakesARowAwayWithItsLineBreak)
{
    EXPECT_EQ(removed("[A]\r\nK=1 //c\r\nL=2\r\n", 0), "[A]\r\nL=2\r\n");
    EXPECT_EQ(removed("[A]\r\nK=1\r\nL=2", 1), "[A]\r\nK=1");
    EXPECT_EQ(removed("[A]\rK=1\nL=2", 1), "[A]\rK=1");
    EXPECT_EQ(removed("[A]\nK=1\n\nON=@x", 1), "[A]\nK=1\nON=@x");
    // A lone CR before the line and an LF after it must not become one break.
    EXPECT_EQ(removed("[A]\rK=1\n\nL=2", 0), "[A]\r\n\nL=2");
    EXPECT_EQ(removed("[A]\r\rK=1\r\n\nL=2", 1), "[A]\r\r\n\nL=2");
    const std::string text = "[A]\nK=1\nL=2\nM=3";
    const DefinitionRows rows = rowsOf(text);
    EXPECT_EQ(applyEdit(text, planLinesRemoval(text, rows.body[1], rows.body[2])), "[A]\nK=1");
    EXPECT_EQ(applyEdit(text, planLinesRemoval(text, rows.body[0], rows.body[1])), "[A]\nM=3");
}

// The new line follows the last body line that holds something, in the
// break it is given, whatever breaks the text has.
TEST(RowEdits, AddsALineAfterTheLastBodyLine)
{
    const struct {
        std::string text, lineBreak, expected;
    } cases[] = {
        {"[A]", "\r\n", "[A]\r\nNEW=v"},
        {"[A] //c\n", "\n", "[A] //c\nNEW=v\n"},
        {"[A]\r\nK=1\n\n// note\r\n[B]", "\r\n", "[A]\r\nK=1\r\nNEW=v\n\n// note\r\n[B]"},
        {"[A]\n  K=1\n\nON=@Create\n", "\n", "[A]\n  K=1\n  NEW=v\n\nON=@Create\n"},
        {"[A]\nON=@Create\nK=1", "\r", "[A]\rNEW=v\nON=@Create\nK=1"},
        {"[A]\n  bare\r", "\r", "[A]\n  bare\r  NEW=v\r"},
    };
    for (const auto& each : cases)
        EXPECT_EQ(added(each.text, "NEW", " v", each.lineBreak), each.expected) << each.text;
    for (const std::string_view key : {"", "TWO WORDS", "A=B", "[X", "A//B", "K\n"})
        EXPECT_EQ(added("[A]", key, "v", "\n"), "refused") << key;
    EXPECT_EQ(added("[A]", "ON", "@Create", "\n"), "refused");
    EXPECT_EQ(added("[A]", "K", "a\rb", "\n"), "refused");
    EXPECT_EQ(added("[A]", "TAG.x", "", "\n"), "[A]\nTAG.x=");
}

TEST(EditList, JoinsTouchingEditsAndRefusesOverlappingOnes)
{
    const std::string text = "0123456789";
    const std::vector<TextEdit> edits = {{6, 8, "x"}, {2, 2, "a"}, {2, 4, "b"}, {4, 4, "c"}, {8, 8, "y"}};
    const std::optional<std::vector<TextEdit>> joined = joinedEdits(edits);
    ASSERT_TRUE(joined);
    EXPECT_EQ(*joined, (std::vector<TextEdit>{{2, 4, "abc"}, {6, 8, "xy"}}));
    const std::string edited = applyEdits(text, *joined);
    EXPECT_EQ(edited, "01abc45xy89");
    EXPECT_EQ(applyEdits(edited, inverseEdits(text, *joined)), text);
    EXPECT_FALSE(joinedEdits({{1, 5, ""}, {4, 6, ""}}));
    EXPECT_FALSE(joinedEdits({{1, 5, ""}, {3, 3, "x"}}));
    EXPECT_TRUE(joinedEdits({{1, 1, ""}})->empty());
}

} // namespace
} // namespace defwright
