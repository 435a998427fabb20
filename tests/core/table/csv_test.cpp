#include "core/table/csv_reader.h"
#include "core/table/csv_writer.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace defwright
