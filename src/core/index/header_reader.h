#pragma once

#include "core/index/header_reading.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace defwright {

/// readHeader() for one script's headers after another: what a kind word
/// (and its part word) means is looked up in the language's table once and
/// then remembered, as a script writes the same few kinds again and again.
class HeaderReader {
public:
    [[nodiscard]] HeaderReading read(std::string_view bracketed);

private:
    struct Known {
        std::string kindWord; ///< as written
        std::string partWord;
        HeaderReading header; ///< without its name and arguments
    };

    static constexpr std::size_t kKnown = 8;
    std::array<Known, kKnown> known_;
    std::size_t next_ = 0;
};

} // namespace defwright
