#pragma once

#include "core/items/item_record.h"

#include <array>
#include <string_view>

namespace defwright {

/// Key captions of the basic item fields, by index. Each is both the label
/// beside its box and the key its script line begins with.
inline constexpr std::array<std::string_view, ItemRecord::kBasicCount> kItemBasicKeys = {
    "NAME=",       "ID=",         "FLIP=",   "ARMOR=",  "DAM=",    "SPEED=",
    "DYE=",        "TWOHANDS=",   "VALUE=",  "DUPELIST=", "RESOURCES=",
    "RESOURCES2=", "RESOURCES3=", "REPAIR=", "TDATA1=", "TDATA2=", "TDATA3=",
    "TDATA4=",     "REQSTR=",     "WEIGHT=", "SKILL=",  "SKILLMAKE=",
};

inline constexpr std::string_view kItemTypeKey = "TYPE=";

inline constexpr std::array<std::string_view, ItemRecord::kAxisCount> kItemAxisKeys = {
    "CATEGORY=",
    "SUBSECTION=",
    "DESCRIPTION=",
};

inline constexpr std::string_view kItemHitPointsKey = "HITPOINTS=";
inline constexpr std::string_view kItemColorKey = "COLOR=";

/// The text before the identifier in the header line, also shown before its box.
inline constexpr std::string_view kItemHeaderCaption = "[ITEMDEF i_";
inline constexpr std::string_view kItemHeaderEnd = "]";

/// The type box's fixed list, in the order it shows them.
inline constexpr std::array<std::string_view, 6> kItemTypes = {
    "T_WEAPON_SWORD", "T_WEAPON_MACE_SMITH", "T_WEAPON_FENCE",
    "T_NORMAL",       "T_WEAPON_BOW",        "T_WEAPON_MACE_SHARP",
};

/// The item trigger buttons' captions, top to bottom; each is the trigger it inserts.
inline constexpr std::array<std::string_view, 11> kItemTriggers = {
    "@CLICK",        "@DCLICK",        "@STEP",          "@EQUIP",
    "@UNEQUIP",      "@TIMER",         "@TARGON_CHAR",   "@TARGON_ITEM",
    "@TARGON_GROUND", "@DAMAGE",       "@DROPON_GROUND",
};

} // namespace defwright
