#include "core/definitions/edit_list.h"
#include "core/definitions/row_edits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

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
