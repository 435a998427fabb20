#include "core/script/text_lines.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {
namespace {

// A text of short lines ended by every kind of break, long enough that breaks,
// CR LF pairs among them, fall on the edges of the blocks that are counted at once.
TEST(TextLines, LineStartsAgreeWithABreakByBreakCount)
{
    constexpr std::array<std::string_view, 4> kBreaks = {"\r\n", "\n", "\r", "\r\n"};
    std::mt19937 random(7);
    std::string text;
    std::vector<std::size_t> starts = {0};
    while (text.size() < 20'000) {
        const bool afterLoneCr = text.ends_with('\r'); // an LF next would join it into a CR LF
        text.append(std::uniform_int_distribution<std::size_t>(afterLoneCr ? 1 : 0, 6)(random), 'x');
        text += kBreaks[std::uniform_int_distribution<std::size_t>(0, kBreaks.size() - 1)(random)];
        starts.push_back(text.size());
    }
    const TextLines lines(text);
    for (std::size_t line = 0; line < starts.size(); ++line)
        ASSERT_EQ(lines.lineStart(line).start, starts[line]) << line;
    EXPECT_EQ(lines.lineStart(starts.size() + 5).line, starts.size() - 1);
    EXPECT_EQ(TextLines("ab\r\ncd").lineStart(9).start, 4u);
    EXPECT_EQ(TextLines("").lineStart(3).line, 0u);
}

} // namespace
} // namespace defwright
