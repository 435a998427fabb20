#include "core/index/distinct_words.h"

#include "core/script/ascii_case.h"

#include <algorithm>

namespace defwright {
namespace {

constexpr std::size_t kFirstSlots = 64;

// Of the word's bytes, case folded roughly; words alike in their hash are
// told apart by comparing them.
std::size_t wordHash(std::string_view word)
{
    std::uint64_t hash = word.size();
    for (const char character : word)
        hash = (hash << 5U) + hash + (static_cast<unsigned char>(character) | 0x20U);
    return static_cast<std::size_t>((hash * 0xFF51AFD7ED558CCDULL) >> 20U);
}

} // namespace

void DistinctWords::add(std::string_view word)
{
    if (slots_.size() < 2 * (words_.size() + 1))
        grow();
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = wordHash(word) & mask;; slot = (slot + 1) & mask) {
        if (slots_[slot] == 0) {
            words_.push_back(upperCase(word));
            slots_[slot] = static_cast<std::uint32_t>(words_.size());
            return;
        }
        const std::string& known = words_[slots_[slot] - 1];
        if (known == word || equalsIgnoringCase(known, word)) // keys are mostly written in upper case
            return;
    }
}

std::vector<std::string> DistinctWords::take()
{
    std::vector<std::string> words = std::move(words_);
    std::sort(words.begin(), words.end());
    words_.clear();
    slots_.clear();
    return words;
}

void DistinctWords::grow()
{
    slots_.assign(std::max(kFirstSlots, slots_.size() * 2), 0);
    const std::size_t mask = slots_.size() - 1;
    for (std::uint32_t word = 0; word < words_.size(); ++word) {
        std::size_t slot = wordHash(words_[word]) & mask;
        while (slots_[slot] != 0)
            slot = (slot + 1) & mask;
        slots_[slot] = word + 1;
    }
}

} // namespace defwright
