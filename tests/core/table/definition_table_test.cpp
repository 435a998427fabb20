#include "core/definitions/edit_list.h"
#include "core/table/cell_changes.h"
#include "core/table/cell_order.h"
#include "core/table/pasted_cells.h"
#include "core/table/table_column.h"
#include "core/table/table_filter.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace defwright {
namespace {

const std::string kItems = "VERSION=X1\r\n[ITEMDEF 0a25] // sword\r\nDEFNAME=i_sword\r\nname=Sword //old\r\n"
                           "COMPONENT=i_a\r\nTYPE=t_weapon\r\nCOMPONENT=i_b\r\nTAG.Owner=5\r\nON=@Create\r\n"
                           "  VALUE=99\r\n\r\n[CHARDEF c_man]\r\nNAME=man\r\n\r\n \t[multidef 04000]\r\nVALUE=10\r\n"
                           "\r\n[ITEMDEF i_shield]\r\nDEFNAME=i_shield_2\r\nDEFNAME=i_shield_3\r\nVALUE=0x20\r\n";
const std::string kMore = "[ITEMDEF 0b]\nVALUE=\nWEIGHT=2\n";

DefinitionTable itemTable()
{
    const std::vector<TableFile> files = {{"items/a.scp", kItems}, {"b.scp", kMore}};
    return DefinitionTable({"ITEMDEF", "MULTIDEF"}, files);
}

std::string valueOf(const DefinitionTable& table, std::uint32_t row, std::string_view key)
{
    return std::string(table.value(table.row(row), key));
}

std::vector<std::uint32_t> allRows(const DefinitionTable& table)
{
    std::vector<std::uint32_t> rows(table.rows().size());
    std::iota(rows.begin(), rows.end(), 0u);
    return rows;
}

TEST(DefinitionTable, ReadsEachDefinitionOfTheKindAsARowOfCells)
{
    const DefinitionTable table = itemTable();
    ASSERT_EQ(table.rows().size(), 4u);
    std::vector<std::string> names;
    for (const TableRow& row : table.rows())
        names.push_back(row.name + " " + table.filePath(row.file) + ":" + std::to_string(row.line));
    EXPECT_EQ(names, (std::vector<std::string>{"0a25 items/a.scp:1", "04000 items/a.scp:14", "i_shield items/a.scp:17", "0b b.scp:0"}));
    EXPECT_EQ(valueOf(table, 0, "NAME"), "Sword");
    EXPECT_EQ(valueOf(table, 0, "component"), "i_a\ni_b");
    EXPECT_EQ(table.cell(table.row(0), *table.keyNumber("COMPONENT"))->lines, 2u);
    EXPECT_EQ(valueOf(table, 0, "TAG.OWNER"), "5");
    EXPECT_EQ(valueOf(table, 0, "VALUE"), ""); // the trigger's lines are not the definition's keys
    EXPECT_EQ(valueOf(table, 2, "DEFNAME"), "i_shield_2\ni_shield_3");
    EXPECT_EQ(valueOf(table, 3, "VALUE"), "");
    EXPECT_NE(table.cell(table.row(3), *table.keyNumber("VALUE")), nullptr); // given, and empty
    EXPECT_EQ(table.keyUse(*table.keyNumber("VALUE")), 3u);
    EXPECT_FALSE(table.keyNumber("ID"));
}

TEST(DefinitionTable, OpensWithTheKeysItsRowsGiveMost)
{
    const DefinitionTable table = itemTable();
    std::vector<std::string> captions;
    for (const TableColumn& column : defaultColumns(table, 3))
        captions.emplace_back(columnCaption(table, column));
    EXPECT_EQ(captions, (std::vector<std::string>{"Definition", "DEFNAME", "File", "Line", "VALUE", "NAME", "COMPONENT"}));
    EXPECT_EQ(columnText(table, table.row(2), {ColumnKind::Line, 0}), "18");
}

TEST(DefinitionTable, ReadsAFileAgainKeepingTheRowsPlacesWhileItHoldsAsMany)
{
    DefinitionTable table = itemTable();
    const std::string changed = "[ITEMDEF 0b]\nWEIGHT=3\n";
    EXPECT_TRUE(table.readFileAgain(1, changed));
    EXPECT_EQ(valueOf(table, 3, "WEIGHT"), "3");
    EXPECT_EQ(table.keyUse(*table.keyNumber("VALUE")), 2u);
    const std::string more = "[ITEMDEF 0b]\n[ITEMDEF 0c]\nVALUE=1";
    EXPECT_FALSE(table.readFileAgain(1, more));
    EXPECT_EQ(table.rows().size(), 5u);
    EXPECT_EQ(valueOf(table, 4, "VALUE"), "1");
    const std::string fewer = "[ITEMDEF 0a25]\n";
    EXPECT_FALSE(table.readFileAgain(0, fewer));
    EXPECT_EQ(table.rows().size(), 3u);
    EXPECT_EQ(table.row(1).file, 1u);
}

TEST(CellOrder, SortsNumbersAndIdsAsNumbersBeforeTextAndEmptyCellsLast)
{
    const struct {
        std::string_view text;
        std::optional<double> number;
    } numbers[] = {{"12", 12}, {"-3", -3}, {"+1.5", 1.5}, {"0", 0}, {"0.5", 0.5}, {"0a25", 0xa25}, {"0x0A25", 0xa25},
                   {"0A25", 0xa25}, {"00", 0}, {"012", 0x12}, {"a25", {}}, {"1a", {}}, {"1e5", {}}, {"0x", {}},
                   {"", {}}, {"1.", {}}, {".5", {}}, {"{1 2}", {}}, {"0fffffffffffffffffff", {}}};
    for (const auto& each : numbers)
        EXPECT_EQ(cellNumber(each.text), each.number) << each.text;
    const std::vector<std::string_view> ordered = {"-3", "2", "0a", "10", "011", "0x0a25", "2597.5", "Apple", "apple", "b", ""};
    for (std::size_t i = 0; i + 1 < ordered.size(); ++i) {
        EXPECT_LT(compareCells(ordered[i], ordered[i + 1]), 0) << ordered[i] << " " << ordered[i + 1];
        EXPECT_GT(compareCells(ordered[i + 1], ordered[i]), 0) << ordered[i] << " " << ordered[i + 1];
    }
    EXPECT_EQ(compareCells("0a25", "0a25"), 0);
    EXPECT_LT(compareCells("0a25", "2597"), 0); // as numbers alike: by their text
}

TEST(CellOrder, SortsRowsByAColumnEitherWayWithEmptyCellsLast)
{
    const DefinitionTable table = itemTable();
    const TableColumn value{ColumnKind::Key, *table.keyNumber("VALUE")};
    EXPECT_EQ(sortedRows(table, allRows(table), value, false), (std::vector<std::uint32_t>{1, 2, 0, 3}));
    EXPECT_EQ(sortedRows(table, allRows(table), value, true), (std::vector<std::uint32_t>{2, 1, 0, 3}));
    EXPECT_EQ(sortedRows(table, {3, 2, 1}, {ColumnKind::Line, 0}, false), (std::vector<std::uint32_t>{3, 1, 2}));
    EXPECT_EQ(sortedRows(table, allRows(table), {ColumnKind::Definition, 0}, false), (std::vector<std::uint32_t>{3, 0, 1, 2}));
}

TEST(TableFilter, ReadsWordsAndKeyTests)
{
    const TableFilter filter = parseFilter("  Sword value>0x10 \"two words\" NAME=\"long sword\" weight<x DAM= =x a.b<3 ");
    EXPECT_EQ(filter.words, (std::vector<std::string>{"sword", "two words", "=x"}));
    std::vector<std::string> tests; // each as KEY, its test, the value and the number read from it
    for (const KeyTest& test : filter.tests) {
        const std::string number = test.number ? " #" + std::to_string(static_cast<int>(*test.number)) : "";
        tests.push_back(test.key + "=><"[static_cast<int>(test.kind)] + test.value + number);
    }
    EXPECT_EQ(tests, (std::vector<std::string>{"VALUE>0x10 #16", "NAME=long sword", "DAM=", "A.B<3 #3"}));
    EXPECT_EQ(filter.unusable, (std::vector<std::string>{"weight<x"}));
}

TEST(TableFilter, KeepsTheRowsThatHoldEveryWordAndPassEveryTest)
{
    const DefinitionTable table = itemTable();
    const std::vector<TableColumn> shown = defaultColumns(table, 2);
    const auto rows = [&](std::string_view typed) { return filteredRows(table, allRows(table), parseFilter(typed), shown); };
    const struct {
        std::string_view typed;
        std::vector<std::uint32_t> rows;
    } cases[] = {
        {"", {0, 1, 2, 3}},
        {"SHIELD_3", {2}},           // a DEFNAME's second value
        {"b.scp", {3}},              // the file
        {"sword t_weapon", {}},      // TYPE is not shown
        {"sword tag.owner=5", {0}},  // but tested
        {"value>15", {2}},           // 0x20 is 32
        {"value<16 value>0", {1}},
        {"value=032", {}},           // 032 is an id: 0x32
        {"value=32", {2}},
        {"value=", {0, 3}},          // not given, or empty
        {"component=I_B", {0}},      // one of the repeated values
        {"nosuchkey=1", {}},
        {"value>x", {0, 1, 2, 3}},   // filters nothing, and is told
    };
    for (const auto& each : cases)
        EXPECT_EQ(rows(each.typed), each.rows) << each.typed;
}

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
