#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// Words gathered once each without regard to case, such as the keys a
/// script's items use, kept in upper case: a word met again costs a hash and
/// a comparison, never a copy.
class DistinctWords {
public:
    void add(std::string_view word);

    /// The words, sorted; the set is empty afterwards.
    [[nodiscard]] std::vector<std::string> take();

private:
    void grow();

    std::vector<std::string> words_;
    std::vector<std::uint32_t> slots_; ///< a word's place in words_ plus one; 0 for a free slot
};

} // namespace defwright
