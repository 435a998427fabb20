#include "core/files/line_breaks.h"

#include <gtest/gtest.h>

#include <string>

namespace defwright {
namespace {

TEST(LineBreaks, EveryBreakBecomesTheOneAskedForAndNothingElseChanges)
{
    const struct {
        std::string_view text;
        std::string_view crLf;
        std::string_view lf;
        std::string_view cr;
    } cases[] = {
        {"a\r\nb\rc\nd", "a\r\nb\r\nc\r\nd", "a\nb\nc\nd", "a\rb\rc\rd"},
        {"\n\r\r\n\r", "\r\n\r\n\r\n\r\n", "\n\n\n\n", "\r\r\r\r"},
        {"\r\r\n\n", "\r\n\r\n\r\n", "\n\n\n", "\r\r\r"},
        {"", "", "", ""},
        {{"\0\t\xC3\xA9 x", 6}, {"\0\t\xC3\xA9 x", 6}, {"\0\t\xC3\xA9 x", 6}, {"\0\t\xC3\xA9 x", 6}},
    };
    for (const auto& [text, crLf, lf, cr] : cases) {
        EXPECT_EQ(withLineBreaks(text, LineBreak::CrLf), crLf);
        EXPECT_EQ(withLineBreaks(text, LineBreak::Lf), lf);
        EXPECT_EQ(withLineBreaks(text, LineBreak::Cr), cr);
        for (const LineBreak lineBreak : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr})
            EXPECT_EQ(hasOnlyLineBreaks(text, lineBreak), withLineBreaks(text, lineBreak) == text) << text;
    }
}

} // namespace
} // namespace defwright
