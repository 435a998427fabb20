#include "core/language/nearest_word.h"

#include "core/script/ascii_case.h"

#include <algorithm>
#include <array>
#include <vector>

namespace defwright {
namespace {

constexpr std::size_t kShortWord = 4;
constexpr std::size_t kStackColumns = 64;

} // namespace

std::size_t editDistance(std::string_view left, std::string_view right, std::size_t limit)
{
    const std::size_t apart = left.size() > right.size() ? left.size() - right.size() : right.size() - left.size();
    if (apart > limit)
        return limit + 1;
    // Three rows of the table of distances between prefixes, two back, one back and this one,
    // on the stack for the words of the tables and on the heap for longer ones.
    std::array<std::size_t, 3 * kStackColumns> onStack{};
    std::vector<std::size_t> onHeap(right.size() < kStackColumns ? 0 : 3 * (right.size() + 1));
    std::size_t* twoBack = onHeap.empty() ? onStack.data() : onHeap.data();
    std::size_t* oneBack = twoBack + right.size() + 1;
    std::size_t* row = oneBack + right.size() + 1;
    for (std::size_t j = 0; j <= right.size(); ++j)
        oneBack[j] = j;
    for (std::size_t i = 1; i <= left.size(); ++i) {
        row[0] = i;
        std::size_t best = row[0];
        for (std::size_t j = 1; j <= right.size(); ++j) {
            const char l = asciiUpper(left[i - 1]);
            const char r = asciiUpper(right[j - 1]);
            row[j] = std::min({oneBack[j] + 1, row[j - 1] + 1, oneBack[j - 1] + (l == r ? 0 : 1)});
            if (i > 1 && j > 1 && l == asciiUpper(right[j - 2]) && asciiUpper(left[i - 2]) == r)
                row[j] = std::min(row[j], twoBack[j - 2] + 1);
            best = std::min(best, row[j]);
        }
        if (best > limit)
            return limit + 1;
        std::swap(twoBack, oneBack);
        std::swap(oneBack, row);
    }
    return std::min(oneBack[right.size()], limit + 1);
}

std::optional<std::string_view> nearestWord(std::string_view written, std::span<const std::string_view> candidates)
{
    const std::size_t limit = written.size() <= kShortWord ? 1 : 2;
    std::optional<std::string_view> nearest;
    std::size_t nearestDistance = limit + 1;
    for (const std::string_view candidate : candidates) {
        const std::size_t distance = editDistance(written, candidate, limit);
        if (distance == 0)
            return std::nullopt;
        if (distance < nearestDistance) {
            nearest = candidate;
            nearestDistance = distance;
        }
    }
    return nearest;
}

} // namespace defwright
