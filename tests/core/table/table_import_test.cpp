#include "core/table/table_csv.h"
#include "core/table/table_import.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace defwright {
namespace {

const std::string kFirst = "[ITEMDEF 0a25]\nNAME=sword\nVALUE=10\nC=a\nC=b\n[ITEMDEF i_twin]\n[ITEMDEF i_twin]\n";
const std::string kSecond = "[ITEMDEF 0b]\r\nNAME=axe, \"sharp\"\r\n";

DefinitionTable table()
{
    const std::vector<TableFile> files = {{"items/a.scp", kFirst}, {"b.scp", kSecond}};
    return DefinitionTable({"ITEMDEF"}, files);
}

bool acceptsItemKeys(std::string_view key)
{
    return key == "NAME" || key == "VALUE" || key == "WEIGHT";
}

ImportPlan imported(const DefinitionTable& table, std::string_view csv)
{
    return planImport(table, readCsv(csv), acceptsItemKeys);
}

std::vector<std::string> changesOf(const ImportPlan& plan)
{
    std::vector<std::string> changes;
    for (const ImportChange& change : plan.changes)
        changes.push_back(std::to_string(change.row) + " " + change.key + ": " + change.before + " -> " + change.after
                          + " (line " + std::to_string(change.csvLine) + ")");
    return changes;
}

TEST(TableImport, AnUnchangedExportChangesNothing)
{
    const DefinitionTable items = table();
    std::vector<std::uint32_t> rows(items.rows().size());
    std::iota(rows.begin(), rows.end(), 0u);
    std::vector<std::uint32_t> keys(items.keyCount());
    std::iota(keys.begin(), keys.end(), 0u);
    const std::string csv = tableCsv(items, rows, keys);
    EXPECT_EQ(csv, "\xEF\xBB\xBF" "Definition,File,NAME,VALUE,C\r\n0a25,items/a.scp,sword,10,\"a\nb\"\r\n"
                   "i_twin,items/a.scp,,,\r\ni_twin,items/a.scp,,,\r\n0b,b.scp,\"axe, \"\"sharp\"\"\",,\r\n");
    const ImportPlan plan = imported(items, csv);
    EXPECT_TRUE(plan.changes.empty());
    EXPECT_TRUE(plan.refusedColumns.empty());
    ASSERT_EQ(plan.skipped.size(), 2u);
    EXPECT_EQ(plan.skipped[0].reason, SkipReason::Ambiguous);
}

// As a spreadsheet gives it back: other line breaks, blanks, an id in
// another form, a short row, columns in another order.
TEST(TableImport, PlansExactlyTheCellsThatDiffer)
{
    const std::string csv = "Definition,File,VALUE,NAME,C,WEIGHT\n"
                            "0x0A25,items\\a.scp,10 , sword,\"a\r\nB\r\n\",\n"
                            "0b,b.scp,5\n"
                            "0b , b.scp ,6\n"
                            "i_gone,b.scp,1\n";
    const ImportPlan plan = imported(table(), csv);
    EXPECT_EQ(changesOf(plan), (std::vector<std::string>{"0 C: a\nb -> a\nB (line 2)", "3 VALUE:  -> 5 (line 5)"}));
    ASSERT_EQ(plan.skipped.size(), 2u);
    EXPECT_EQ(plan.skipped[0].reason, SkipReason::Repeated);
    EXPECT_EQ(plan.skipped[0].csvLine, 6u);
    EXPECT_EQ(plan.skipped[1].reason, SkipReason::Gone);
    EXPECT_EQ(plan.skipped[1].name, "i_gone");
    const std::vector<CellChange> changes = importedChanges(plan, std::vector<bool>{false, true});
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].value, "5");
}

TEST(TableImport, RefusesColumnsTheKindDoesNotTake)
{
    const ImportPlan plan = imported(table(), "Definition,File,name,BOGUS,,NAME,TAG.X,C\n0b,b.scp,x,1,2,y,z,\n");
    std::vector<std::string> refused;
    for (const RefusedColumn& column : plan.refusedColumns)
        refused.push_back(std::to_string(column.column) + column.name + " " + std::string(kColumnRefusalTexts[static_cast<std::size_t>(column.reason)]));
    EXPECT_EQ(refused, (std::vector<std::string>{"3BOGUS Definitions of this kind take no such key.",
                                                 "4 The column has no key in the first row.",
                                                 "5NAME An earlier column has the same key."}));
    EXPECT_EQ(changesOf(plan), (std::vector<std::string>{"3 NAME: axe, \"sharp\" -> x (line 2)", "3 TAG.X:  -> z (line 2)"}));
}

TEST(TableImport, PlansNothingFromABrokenOrForeignCsv)
{
    const ImportPlan broken = imported(table(), "Definition,File,VALUE\n0b,b.scp,\"5\n");
    ASSERT_TRUE(broken.problem);
    EXPECT_EQ(broken.problem->line, 2u);
    EXPECT_TRUE(broken.changes.empty());
    EXPECT_TRUE(imported(table(), "Name,Value\n0b,5\n").headerMissing);
    EXPECT_TRUE(imported(table(), "").headerMissing);
    EXPECT_TRUE(imported(table(), "Definition\n").headerMissing);
}

} // namespace
} // namespace defwright
