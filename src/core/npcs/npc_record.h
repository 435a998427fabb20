#pragma once

#include <array>
#include <string>

namespace defwright {

/// A low and a high value, written as KEY={low high}.
struct RangeValues {
    std::string low;
    std::string high;

    bool operator==(const RangeValues&) const = default;
};

/// One skill slot: the skill's name is the key of its line.
struct SkillSlot {
    std::string name;
    std::string low;
    std::string high;

    bool operator==(const SkillSlot&) const = default;
};

/// The texts of the NPC pages' fields, exactly as the scripter typed them.
struct NpcRecord {
    static constexpr int kBasicCount = 17;
    static constexpr int kFirstBasicIndex = 1; // the window numbers the basic boxes 1 to 17
    static constexpr int kListCount = 10;
    static constexpr int kStatCount = 5;
    static constexpr int kCreationCount = 4;
    static constexpr int kSkillCount = 6;

    std::string identifier;
    std::array<std::string, kBasicCount> basic; // basic[0] is box 1, "NAME="
    std::array<std::string, kListCount> lists;  // the "CAN=", "TSPEECH=" and "TEVENTS=" boxes
    std::string brain = "BRAIN_NONE";
    std::array<RangeValues, kStatCount> stats;
    std::array<std::string, kCreationCount> creation;
    std::array<SkillSlot, kSkillCount> skills;

    bool operator==(const NpcRecord&) const = default;
};

} // namespace defwright
