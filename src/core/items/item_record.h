#pragma once

#include <array>
#include <string>

namespace defwright {

/// The texts of the item page's fields, exactly as the scripter typed them.
struct ItemRecord {
    static constexpr int kBasicCount = 22;
    static constexpr int kAxisCount = 3;

    std::string identifier;
    std::array<std::string, kBasicCount> basic;
    std::string type;
    std::array<std::string, kAxisCount> axis;
    std::string hitPointsLow;
    std::string hitPointsHigh;
    std::string color;

    bool operator==(const ItemRecord&) const = default;
};

} // namespace defwright
