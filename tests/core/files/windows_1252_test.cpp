#include "core/files/windows_1252.h"

#include <gtest/gtest.h>

#include <string>

namespace defwright {
namespace {

std::string everyByte()
{
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte)
        bytes.push_back(static_cast<char>(byte));
    return bytes;
}

TEST(Windows1252, EveryByteIsOneCharacterAndEncodesBackToItself)
{
    const std::u16string text = decodeWindows1252(everyByte());
    ASSERT_EQ(text.size(), 256U);
    EXPECT_EQ(text[0x00], u'\0');
    EXPECT_EQ(text[0x41], u'A');
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x9F], u'\u0178');
    EXPECT_EQ(text[0xA0], u'\u00A0');
    EXPECT_EQ(text[0xFF], u'\u00FF');
    for (const int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[undefined], static_cast<char16_t>(undefined)) << undefined;

    const Windows1252Bytes encoded = encodeWindows1252(text);
    EXPECT_EQ(encoded.bytes, everyByte());
    EXPECT_EQ(encoded.replaced, 0U);
}

TEST(Windows1252, EachCharacterItLacksBecomesOneQuestionMark)
{
    // U+0080 is a control the byte 0x80 does not stand for; the emoji is a
    // surrogate pair, one character; a lone surrogate is one character too.
    const std::u16string text = u"a\u65E5\U0001F600\u0080\xD800z\xDC00";
    const Windows1252Bytes encoded = encodeWindows1252(text);
    EXPECT_EQ(encoded.bytes, "a????z?");
    EXPECT_EQ(encoded.replaced, 5U);
}

} // namespace
} // namespace defwright
