#include "core/script/text_lines.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace defwright {
namespace {

constexpr std::size_t kBlockBytes = 4096;

bool isBreak(char character)
{
    return character == '\n' || character == '\r';
}

// Whether a break ends at byte i, which must not be the text's last: an LF, or a
// CR that no LF follows. A CR LF thus counts once, at its LF.
std::uint8_t breakEndsAt(const unsigned char* bytes, std::size_t i)
{
    return static_cast<std::uint8_t>((bytes[i] == '\n') | ((bytes[i] == '\r') & (bytes[i + 1] != '\n')));
}

// Breaks that end within [begin, end). Counted without branches into small
// counters, one per lane, so that the compiler counts many bytes at a step:
// this is what finds the caret's line in a long script at once.
std::size_t breaksIn(std::string_view text, std::size_t begin, std::size_t end)
{
    constexpr std::size_t kLanes = 32;
    static_assert(kBlockBytes / kLanes < 256, "a lane's counter must not overflow");
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t pairedEnd = std::min(end, text.size() - 1);
    std::array<std::uint8_t, kLanes> lanes{};
    std::size_t i = begin;
    for (; i + kLanes <= pairedEnd; i += kLanes) {
        for (std::size_t lane = 0; lane < kLanes; ++lane)
            lanes[lane] = static_cast<std::uint8_t>(lanes[lane] + breakEndsAt(bytes, i + lane));
    }
    std::size_t count = std::accumulate(lanes.begin(), lanes.end(), std::size_t{0});
    for (; i < pairedEnd; ++i)
        count += breakEndsAt(bytes, i);
    if (pairedEnd < end)
        count += isBreak(text[pairedEnd]) ? 1 : 0;
    return count;
}

} // namespace

TextLines::Place TextLines::lineStart(std::size_t line) const
{
    std::size_t start = 0;
    std::size_t remaining = line;
    while (remaining > 0 && start < text_.size()) {
        const std::size_t blockEnd = std::min(text_.size(), start + kBlockBytes);
        const std::size_t breaks = breaksIn(text_, start, blockEnd);
        if (breaks < remaining) {
            remaining -= breaks;
            start = blockEnd; // may stand on the LF of a CR LF: the next block counts it
            continue;
        }
        for (; remaining > 0; --remaining)
            start = nextLineStart(lineEnd(start));
    }
    if (remaining == 0)
        return {start, line};
    std::size_t last = text_.size();
    while (last > 0 && !isBreak(text_[last - 1]))
        --last;
    return {last, line - remaining};
}

std::size_t TextLines::lineAt(std::size_t position) const
{
    position = std::min(position, text_.size());
    std::size_t line = 0;
    for (std::size_t start = 0; start < position; start += kBlockBytes)
        line += breaksIn(text_, start, std::min(position, start + kBlockBytes));
    return line;
}

std::size_t TextLines::lineEnd(std::size_t start) const
{
    const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(start);
    return static_cast<std::size_t>(std::find_if(begin, text_.end(), isBreak) - text_.begin());
}

std::size_t TextLines::nextLineStart(std::size_t end) const
{
    if (end >= text_.size())
        return text_.size();
    const bool crLf = text_[end] == '\r' && end + 1 < text_.size() && text_[end + 1] == '\n';
    return end + (crLf ? 2 : 1);
}

std::size_t TextLines::previousLineStart(std::size_t start) const
{
    std::size_t end = start - 1;
    if (text_[end] == '\n' && end > 0 && text_[end - 1] == '\r')
        --end;
    while (end > 0 && !isBreak(text_[end - 1]))
        --end;
    return end;
}

std::string_view trimBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace defwright
