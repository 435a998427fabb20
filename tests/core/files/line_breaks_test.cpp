#include "core/files/line_breaks.h"

#include <gtest/gtest.h>

namespace defwright {
namespace {

TEST(LineBreaks, LoneCrAndLoneLfBecomeCrLfAndNothingElseChanges)
{
    const struct {
        std::u16string_view text;
        std::u16string_view script;
    } cases[] = {
        {u"a\r\nb\rc\nd", u"a\r\nb\r\nc\r\nd"},
        {u"\n\r\r\n\r", u"\r\n\r\n\r\n\r\n"},
        {u"\r\r\n\n", u"\r\n\r\n\r\n"},
        {u"", u""},
        {{u"\0\t\u00A0 x\u2029", 6}, {u"\0\t\u00A0 x\u2029", 6}},
    };
    for (const auto& [text, script] : cases) {
        EXPECT_EQ(withCrLfLineBreaks(text), script);
        EXPECT_EQ(crLfLength(text), script.size());
    }
}

} // namespace
} // namespace defwright
