#include "core/files/windows_1252.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace defwright {
namespace {

TEST(Windows1252, EveryByteRoundTripsAndEachCharacterItLacksIsOneQuestionMark)
{
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte.push_back(static_cast<char>(byte));
    const std::u16string text = decodeWindows1252(everyByte);
    // The bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for nothing and keep their number.
    EXPECT_EQ(text.substr(0x7F, 4), u"\x7F\u20AC\x81\u201A");
    EXPECT_EQ(text.substr(0x8D, 4), u"\x8D\u017D\x8F\x90");
    EXPECT_EQ(text.substr(0x9D, 4), u"\x9D\u017E\u0178\u00A0");
    EXPECT_EQ(text.substr(0xFF), u"\u00FF");
    EXPECT_EQ(encodeWindows1252(text).bytes, everyByte);
    EXPECT_EQ(encodeWindows1252(text).replaced, 0U);

    // U+0080 is a control the byte 0x80 does not stand for; the emoji is a
    // surrogate pair, one character; a lone surrogate is one character too.
    const Windows1252Bytes encoded = encodeWindows1252(u"a\u65E5\U0001F600\u0080\xD800z\xDC00");
    EXPECT_EQ(encoded.bytes, "a????z?");
    EXPECT_EQ(encoded.replaced, 5U);
}

TEST(Windows1252, FileBytesBecomePaneUtf8AndBackWithTheirLineBreaks)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"a\r\nb", "a\r\nb"},
        {"\n\r\r\n\r", "\n\r\r\n\r"},
        {"\x80\x81\x9D\xE9\xFF\x7F", "\xE2\x82\xAC\xC2\x81\xC2\x9D\xC3\xA9\xC3\xBF\x7F"},
        {std::string("x\0\r", 3), std::string("x\0\r", 3)},
    };
    for (const auto& [bytes, utf8] : cases) {
        EXPECT_EQ(utf8FromWindows1252(bytes), utf8) << bytes;
        EXPECT_EQ(windows1252FromUtf8(utf8).bytes, bytes);
    }
    // A CJK character, an emoji (four bytes, one character), U+0080 and two
    // bytes that begin no character.
    const Windows1252Bytes encoded = windows1252FromUtf8("a\xE6\x97\xA5\xF0\x9F\x98\x80\xC2\x80\xFFz\xC3");
    EXPECT_EQ(encoded.bytes, "a????z?");
    EXPECT_EQ(encoded.replaced, 5U);
}

} // namespace
} // namespace defwright
