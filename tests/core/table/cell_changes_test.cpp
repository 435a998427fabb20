#include "core/definitions/edit_list.h"
#include "core/table/cell_changes.h"
#include "core/table/pasted_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace defwright {
namespace {

// The file's text once the changes of the first row's cells are applied.
std::string edited(const std::string& text, const std::vector<std::pair<std::string, std::string>>& cells)
{
    const std::vector<TableFile> files = {{"a.scp", text}};
    const DefinitionTable table({"ITEMDEF"}, files);
    std::vector<CellChange> changes;
    for (const auto& [key, value] : cells)
        changes.push_back({0, key, value});
    const std::vector<std::string_view> texts = {text};
    const CellPlan plan = planCellChanges(table, texts, changes);
    if (!plan.refused.empty())
        return "refused: " + std::string(kCellRefusalTexts[static_cast<std::size_t>(plan.refused.front().reason)]);
    if (plan.files.empty())
        return text;
    const std::string result = applyEdits(text, plan.files.front().edits);
    EXPECT_EQ(applyEdits(result, inverseEdits(text, plan.files.front().edits)), text);
    return result;
}

TEST(CellChanges, PlansTheSmallestEditOfEachCell)
{
    const std::string text = "[ITEMDEF 01] //x\r\nName = Aegis //old\r\nVALUE=5\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n";
    const struct {
        std::vector<std::pair<std::string, std::string>> cells;
        std::string expected;
    } cases[] = {
        {{{"NAME", "Shield"}}, "[ITEMDEF 01] //x\r\nName = Shield //old\r\nVALUE=5\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n"},
        {{{"value", ""}}, "[ITEMDEF 01] //x\r\nName = Aegis //old\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n"},
        {{{"WEIGHT", "3"}}, "[ITEMDEF 01] //x\r\nName = Aegis //old\r\nVALUE=5\r\nWEIGHT=3\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n"},
        {{{"VALUE", "5"}, {"NAME", "Aegis"}}, text},
        // Every line of the body at once: the new one follows the header.
        {{{"NAME", ""}, {"VALUE", ""}, {"TYPE", "t_x"}}, "[ITEMDEF 01] //x\r\nTYPE=t_x\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n"},
        {{{"VALUE", "6\n7"}}, "[ITEMDEF 01] //x\r\nName = Aegis //old\r\nVALUE=6\r\nVALUE=7\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n"},
        {{{"VALUE", "5\n7"}, {"NAME", ""}}, "[ITEMDEF 01] //x\r\nVALUE=5\r\nVALUE=7\r\n\r\n// note\r\nON=@Create\r\n  VALUE=1\r\n"},
        {{{"TWO WORDS", "1"}}, "refused: The value cannot be written on a line of its own: it would not read back as typed."},
        {{{"NAME", "a"}, {"name", "b"}}, "refused: The same cell is set again later in this action."},
    };
    for (const auto& each : cases)
        EXPECT_EQ(edited(text, each.cells), each.expected) << each.cells.front().first << "=" << each.cells.front().second;
}

// Lines of a repeated key match its values in order; the last lines go with
// values left out, new ones follow the key's last line.
TEST(CellChanges, MatchesARepeatedKeysValuesToItsLines)
{
    const std::string text = "[ITEMDEF 01]\nC=a\nNAME=x\nC=b\nC=c";
    EXPECT_EQ(edited(text, {{"C", "a\nB\nc"}}), "[ITEMDEF 01]\nC=a\nNAME=x\nC=B\nC=c");
    EXPECT_EQ(edited(text, {{"C", "a\r\n\r\nc"}}), "[ITEMDEF 01]\nC=a\nNAME=x\nC=c");
    EXPECT_EQ(edited(text, {{"C", "a\nb"}}), "[ITEMDEF 01]\nC=a\nNAME=x\nC=b");
    EXPECT_EQ(edited(text, {{"C", "a\nb\nc\nd\n"}}), "[ITEMDEF 01]\nC=a\nNAME=x\nC=b\nC=c\nC=d");
    EXPECT_EQ(edited(text, {{"C", "a\nb\n\nd"}, {"NAME", ""}}), "[ITEMDEF 01]\nC=a\nC=b\nC=d");
    EXPECT_EQ(edited(text, {{"C", ""}, {"NAME", ""}}), "[ITEMDEF 01]");
    EXPECT_EQ(edited(text, {{"C", ""}, {"NAME", ""}, {"D", "1"}}), "[ITEMDEF 01]\nD=1");
}

// Changes in several files, each planned against its own text; a definition
// that is no longer where the table read it is refused, the rest go on.
TEST(CellChanges, PlansEachFileApartAndRefusesADefinitionThatMoved)
{
    const std::string first = "[ITEMDEF 01]\nVALUE=1\n[ITEMDEF 02]\nVALUE=2\n";
    const std::string second = "[ITEMDEF 03]\rVALUE=3\r";
    const std::vector<TableFile> files = {{"a.scp", first}, {"b.scp", second}};
    const DefinitionTable table({"ITEMDEF"}, files);
    const std::string moved = "\n" + first;
    std::vector<std::string_view> texts = {first, second};
    const std::vector<CellChange> changes = {{2, "VALUE", "30"}, {0, "VALUE", "10"}, {1, "WEIGHT", "5"}};
    CellPlan plan = planCellChanges(table, texts, changes);
    ASSERT_EQ(plan.files.size(), 2u);
    EXPECT_EQ(applyEdits(first, plan.files[0].edits), "[ITEMDEF 01]\nVALUE=10\n[ITEMDEF 02]\nVALUE=2\nWEIGHT=5\n");
    EXPECT_EQ(applyEdits(second, plan.files[1].edits), "[ITEMDEF 03]\rVALUE=30\r");
    texts[0] = moved;
    plan = planCellChanges(table, texts, changes);
    ASSERT_EQ(plan.refused.size(), 2u);
    EXPECT_EQ(plan.refused[0].change, 1u);
    EXPECT_EQ(plan.refused[0].reason, CellRefusal::DefinitionChanged);
    EXPECT_EQ(plan.files.size(), 1u);
}

TEST(PastedCells, FillsTheSelectionWithOneValueOrABlockOfItsSize)
{
    const std::vector<std::uint32_t> rows = {4, 2, 7};
    const std::vector<std::string> keys = {"VALUE", "WEIGHT"};
    const auto pasted = [&](std::string_view text, std::size_t columns) {
        const PastedCells cells = pastedChanges(rows, std::span(keys).first(columns), text);
        std::vector<std::string> set;
        for (const CellChange& change : cells.changes)
            set.push_back(std::to_string(change.row) + change.key + "=" + change.value);
        if (cells.pastedRows)
            set.push_back(std::to_string(*cells.pastedRows) + "x" + std::to_string(cells.pastedColumns) + " does not fit");
        return set;
    };
    EXPECT_EQ(pasted("10\r\n", 1), (std::vector<std::string>{"4VALUE=10", "2VALUE=10", "7VALUE=10"}));
    EXPECT_EQ(pasted("1\n\n\"3\n4\"\n", 1), (std::vector<std::string>{"4VALUE=1", "2VALUE=", "7VALUE=3\n4"}));
    EXPECT_EQ(pasted("1\t2\r\n3\t4\r\n5\t6", 2),
              (std::vector<std::string>{"4VALUE=1", "4WEIGHT=2", "2VALUE=3", "2WEIGHT=4", "7VALUE=5", "7WEIGHT=6"}));
    EXPECT_EQ(pasted("1\n2", 1), (std::vector<std::string>{"2x1 does not fit"}));
    EXPECT_EQ(pasted("\"say\" hi", 1), (std::vector<std::string>{"4VALUE=\"say\" hi", "2VALUE=\"say\" hi", "7VALUE=\"say\" hi"}));
}

} // namespace
} // namespace defwright
