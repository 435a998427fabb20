#include "core/table/csv_reader.h"
#include "core/table/csv_writer.h"
#include "core/table/table_csv.h"
#include "core/table/table_import.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace defwright {
namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(Csv, QuotesAFieldOnlyWhenItMust)
{
    EXPECT_EQ(csvField("plain text"), "plain text");
    EXPECT_EQ(csvField("a,b"), "\"a,b\"");
    EXPECT_EQ(csvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(csvField("one\ntwo"), "\"one\ntwo\"");
    EXPECT_EQ(csvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(csvField("a,b", '\t'), "a,b");
    EXPECT_EQ(csvField("a\tb", '\t'), "\"a\tb\"");
    std::string row;
    const std::vector<std::string_view> fields = {"", "x,y", "z"};
    appendCsvRow(row, fields);
    EXPECT_EQ(row, ",\"x,y\",z\r\n");
}

TEST(Csv, ReadsQuotedFieldsLineBreaksAndEveryKindOfRowEnd)
{
    const struct {
        std::string bytes;
        Rows rows;
        std::vector<std::size_t> lines;
    } cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"a,b\rc,d\r", {{"a", "b"}, {"c", "d"}}, {1, 2}},
        {"\"x,\"\"y\"\"\",z", {{"x,\"y\"", "z"}}, {1}},
        {"\"one\r\ntwo\rthree\",b\r\nc", {{"one\ntwo\nthree", "b"}, {"c"}}, {1, 4}},
        {"a,,\r\n\r\n\r\nb", {{"a", "", ""}, {"b"}}, {1, 4}},
        {"a\"b,c", {{"a\"b", "c"}}, {1}},
        {"\"\",x", {{"", "x"}}, {1}},
        {"", {}, {}},
    };
    for (const auto& each : cases) {
        const CsvText csv = readCsv(each.bytes);
        EXPECT_EQ(csv.rows, each.rows) << each.bytes;
        EXPECT_EQ(csv.lines, each.lines) << each.bytes;
        EXPECT_FALSE(csv.problem) << each.bytes;
    }
}

TEST(Csv, TellsTheEncodingItReadAndReadsEachAsUtf8)
{
    const struct {
        std::string bytes;
        CsvEncoding encoding;
    } cases[] = {
        {"\xC3\x86gis,1", CsvEncoding::Utf8},
        {"\xEF\xBB\xBF\xC3\x86gis,1", CsvEncoding::Utf8WithBom},
        {"\xC6gis,1", CsvEncoding::Windows1252},
        {std::string("\xFF\xFE\xC6\0g\0i\0s\0,\0" "1\0", 14), CsvEncoding::Utf16LittleEndian},
        {std::string("\xFE\xFF\0\xC6\0g\0i\0s\0,\0" "1", 14), CsvEncoding::Utf16BigEndian},
        {std::string("\xC6\0g\0i\0s\0,\0" "1\0", 12), CsvEncoding::Utf16LittleEndian},
    };
    for (const auto& each : cases) {
        const CsvText csv = readCsv(each.bytes);
        EXPECT_EQ(csv.encoding, each.encoding) << each.bytes;
        EXPECT_EQ(csv.rows, (Rows{{"\xC3\x86gis", "1"}})) << each.bytes;
    }
    // A byte after a UTF-8 BOM that begins no character is none; so are a
    // lone surrogate and an odd last byte of UTF-16, where a pair is one.
    EXPECT_EQ(readCsv("\xEF\xBB\xBF\xC6gis").rows, (Rows{{"\xEF\xBF\xBDgis"}}));
    EXPECT_EQ(readCsv(std::string("\xFF\xFE\x3D\xD8\x00\xDE\x00\xD8x", 9)).rows, (Rows{{"\xF0\x9F\x98\x80\xEF\xBF\xBD\xEF\xBF\xBD"}}));
}

TEST(Csv, StopsAtABrokenQuoteAndSaysWhere)
{
    const CsvText unclosed = readCsv("a,b\r\nc,\"never\r\nclosed\r\n");
    EXPECT_EQ(unclosed.rows, (Rows{{"a", "b"}}));
    ASSERT_TRUE(unclosed.problem);
    EXPECT_EQ(unclosed.problem->line, 2u);
    EXPECT_EQ(unclosed.problem->fault, CsvFault::UnclosedQuote);
    const CsvText after = readCsv("a\n\"b\nc\"x,d");
    ASSERT_TRUE(after.problem);
    EXPECT_EQ(after.problem->line, 3u);
    EXPECT_EQ(after.problem->fault, CsvFault::TextAfterQuote);
}

// What the writer writes, the reader reads back, also 100,000 rows of it.
TEST(Csv, ReadsBackWhatItWrites)
{
    const std::vector<std::string> values = {"", "plain", "a,b", "\"quoted\"", "two\nlines", " blanks ", "\xC3\x86"};
    std::string bytes;
    Rows rows;
    for (std::size_t row = 0; row < 100'000; ++row) {
        rows.push_back({values[row % values.size()], std::to_string(row), values[(row / 7) % values.size()]});
        const std::vector<std::string_view> fields(rows.back().begin(), rows.back().end());
        appendCsvRow(bytes, fields);
    }
    const CsvText csv = readCsv(bytes);
    EXPECT_FALSE(csv.problem);
    EXPECT_EQ(csv.rows, rows);
}

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
