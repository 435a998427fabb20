#pragma once

#include "core/script/ascii_case.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace defwright {

/// Names the server defines itself, so a folder need not: the item types
/// its own code handles. A reference to one of them is never dangling.
inline constexpr std::array<std::string_view, 58> kServerNames = {
    "t_normal",          "t_container",        "t_container_locked", "t_door",          "t_door_locked",
    "t_key",             "t_light_lit",        "t_light_out",        "t_food",          "t_food_raw",
    "t_armor",           "t_armor_leather",    "t_shield",           "t_weapon_mace_smith", "t_weapon_mace_sharp",
    "t_weapon_sword",    "t_weapon_fence",     "t_weapon_bow",       "t_weapon_xbow",   "t_weapon_axe",
    "t_weapon_mace_staff", "t_weapon_mace_crook", "t_weapon_mace_pick", "t_wand",       "t_telepad",
    "t_switch",          "t_book",             "t_rune",             "t_booze",         "t_potion",
    "t_fruit",           "t_reagent",          "t_coin",             "t_gold",          "t_clothing",
    "t_jewelry",         "t_scroll",           "t_scroll_blank",     "t_spellbook",     "t_spellicon",
    "t_wall",            "t_window",           "t_sign_gump",        "t_deed",          "t_comm_crystal",
    "t_game_board",      "t_stone_guild",      "t_stone_town",       "t_eq_script",     "t_drink",
    "t_hair",            "t_beard",            "t_bed",              "t_ore",           "t_ingot",
    "t_log",             "t_board",            "t_shovel",
};

/// Whether the server defines `name` itself (ASCII letters in any case).
[[nodiscard]] constexpr bool isServerName(std::string_view name)
{
    return std::any_of(kServerNames.begin(), kServerNames.end(),
                       [name](std::string_view known) { return equalsIgnoringCase(known, name); });
}

} // namespace defwright
