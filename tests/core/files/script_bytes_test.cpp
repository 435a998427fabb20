#include "core/files/line_breaks.h"
#include "core/files/script_bytes.h"
#include "core/files/windows_1252.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace defwright {
namespace {

using enum TextEncoding;

TEST(LineBreaks, EveryBreakBecomesTheOneAskedForAndNothingElseChanges)
{
    const std::string_view cases[][4] = {
        // the text, then with CR LF, LF and CR breaks
        {"a\r\nb\rc\nd", "a\r\nb\r\nc\r\nd", "a\nb\nc\nd", "a\rb\rc\rd"},
        {"\n\r\r\n\r", "\r\n\r\n\r\n\r\n", "\n\n\n\n", "\r\r\r\r"},
        {"\r\r\n\n", "\r\n\r\n\r\n", "\n\n\n", "\r\r\r"},
        {"", "", "", ""},
        {{"\0\t\xC3\xA9 x", 6}, {"\0\t\xC3\xA9 x", 6}, {"\0\t\xC3\xA9 x", 6}, {"\0\t\xC3\xA9 x", 6}},
    };
    for (const auto& [text, crLf, lf, cr] : cases) {
        const std::pair<LineBreak, std::string_view> expected[] = {{LineBreak::CrLf, crLf}, {LineBreak::Lf, lf},
                                                                   {LineBreak::Cr, cr}};
        for (const auto& [lineBreak, converted] : expected) {
            EXPECT_EQ(withLineBreaks(text, lineBreak), converted);
            EXPECT_EQ(hasOnlyLineBreaks(text, lineBreak), converted == text) << text;
        }
    }
}

// The bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for nothing and keep their number.
TEST(Windows1252, EveryByteRoundTripsThroughTheTextAndEachCharacterItLacksIsOneQuestionMark)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte.push_back(static_cast<char>(byte));
    const std::u16string text = decodeWindows1252(everyByte);
    EXPECT_EQ(text.substr(0x7F, 4), u"\x7F\u20AC\x81\u201A");
    EXPECT_EQ(text.substr(0x8D, 4), u"\x8D\u017D\x8F\x90");
    EXPECT_EQ(text.substr(0x9D, 4), u"\x9D\u017E\u0178\u00A0");
    EXPECT_EQ(text.substr(0xFF), u"\u00FF");
    EXPECT_EQ(encodeWindows1252(text).bytes, everyByte);
    EXPECT_EQ(encodeWindows1252(text).replaced, 0U);
    // File bytes become the pane's UTF-8 and back, their line breaks as they are.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {std::string("a\r\nb\n\r\r\n\rx\0\r", 12), std::string("a\r\nb\n\r\r\n\rx\0\r", 12)},
        {"\x80\x81\x9D\xE9\xFF\x7F", "\xE2\x82\xAC\xC2\x81\xC2\x9D\xC3\xA9\xC3\xBF\x7F"},
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(utf8FromWindows1252(bytes), utf8) << bytes;
        EXPECT_EQ(windows1252FromUtf8(utf8).bytes, bytes);
    }
    // U+0080 is a control the byte 0x80 does not stand for; an emoji is one
    // character (a surrogate pair in UTF-16, four bytes in UTF-8); so are a
    // lone surrogate and a UTF-8 byte that begins no character.
    for (const Windows1252Bytes& encoded : {encodeWindows1252(u"a\u65E5\U0001F600\u0080\xD800z\xDC00"),
                                            windows1252FromUtf8("a\xE6\x97\xA5\xF0\x9F\x98\x80\xC2\x80\xFFz\xC3")}) {
        EXPECT_EQ(encoded.bytes, "a????z?");
        EXPECT_EQ(encoded.replaced, 5U);
    }
}

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
