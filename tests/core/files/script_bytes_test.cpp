#include "core/files/script_bytes.h"

#include <gtest/gtest.h>

#include <string>

namespace defwright {
namespace {

using enum TextEncoding;

TEST(ScriptFormat, EncodingBreaksAndLastLineAreReadFromTheBytes)
{
    const struct {
        std::string_view bytes;
        ScriptFormat format;
    } cases[] = {
        {"", {Windows1252, LineBreak::CrLf, false, false}},
        {"a\r\n", {Windows1252, LineBreak::CrLf, false, true}},
        {"a\nb\nc", {Windows1252, LineBreak::Lf, false, false}},
        {"a\rb\r", {Windows1252, LineBreak::Cr, false, true}},
        // The most frequent break wins; as frequent, CR LF before LF before CR.
        {"a\nb\nc\r\nd", {Windows1252, LineBreak::Lf, true, false}},
        {"a\nb\r\n", {Windows1252, LineBreak::CrLf, true, true}},
        {"a\rb\n", {Windows1252, LineBreak::Lf, true, true}},
        {"\r\r\n\n", {Windows1252, LineBreak::CrLf, true, true}},
        {"\xC3\x86gis\n", {Utf8, LineBreak::Lf, false, true}},
        {"\xEF\xBB\xBFplain", {Utf8WithBom, LineBreak::CrLf, false, false}},
        {"\xEF\xBB\xBF\xE9\n", {Utf8WithBom, LineBreak::Lf, false, true}},
        {"\xE9t\xE9", {Windows1252, LineBreak::CrLf, false, false}},
        {"\xC0\xAF", {Windows1252, LineBreak::CrLf, false, false}},   // an overlong "/"
        {"\xED\xA0\x80", {Windows1252, LineBreak::CrLf, false, false}}, // a surrogate
        {"\xF4\x90\x80\x80", {Windows1252, LineBreak::CrLf, false, false}}, // above U+10FFFF
        {"\xF0\x9F\x98\x80", {Utf8, LineBreak::CrLf, false, false}},
        {"\xC3", {Windows1252, LineBreak::CrLf, false, false}},
    };
    for (const auto& [bytes, format] : cases) {
        EXPECT_EQ(detectFormat(bytes), format) << bytes;
        const std::string text = decodeScript(bytes, format.encoding);
        const EncodedScript saved = encodeScript(text, format);
        EXPECT_EQ(saved.bytes, bytes);
        EXPECT_EQ(saved.unencodable, 0U);
    }
}

TEST(ScriptFormat, TheTextShowsNoMarkAndTheLastLineRuleAddsOneBreakOnlyWhenMissing)
{
    EXPECT_EQ(decodeScript("\xEF\xBB\xBF\xC3\x86gis", Utf8WithBom), "\xC3\x86gis");
    EXPECT_EQ(decodeScript("\xC6gis", Windows1252), "\xC3\x86gis");

    const ScriptFormat noFile;
    EXPECT_EQ(encodeScript("", noFile).bytes, "\r\n");
    EXPECT_EQ(encodeScript("[ITEMDEF i_a]\r\nNAME=a", noFile).bytes, "[ITEMDEF i_a]\r\nNAME=a\r\n");
    EXPECT_EQ(encodeScript("a\r\n", noFile).bytes, "a\r\n");
    EXPECT_EQ(encodeScript("a\n", noFile).bytes, "a\n");
    EXPECT_EQ(encodeScript("a", {Utf8WithBom, LineBreak::Lf, false, true}).bytes, "\xEF\xBB\xBF" "a\n");
    EXPECT_EQ(encodeScript("a", {Utf8, LineBreak::Cr, false, false}).bytes, "a");

    const EncodedScript lossy = encodeScript("\xC3\x86 \xE6\x97\xA5", noFile);
    EXPECT_EQ(lossy.bytes, "\xC6 ?\r\n");
    EXPECT_EQ(lossy.unencodable, 1U);
    EXPECT_EQ(encodeScript("\xC3\x86 \xE6\x97\xA5", {Utf8, LineBreak::CrLf, false, false}).bytes,
              "\xC3\x86 \xE6\x97\xA5");
}

} // namespace
} // namespace defwright
