#pragma once

#include "core/items/item_record.h"
#include "core/npcs/npc_record.h"

namespace defwright::samples {

// The magic sword: the item definition the scripter's guide walks through.
inline ItemRecord magicSword()
{
    ItemRecord item;
    item.identifier = "magic_sword";
    item.basic[0] = "Magic Sword";
    item.basic[1] = "0f5e";
    item.basic[4] = "9,14";
    item.basic[5] = "40";
    item.basic[8] = "1500";
    item.basic[19] = "6";
    item.basic[20] = "Swordsmanship";
    item.type = "T_WEAPON_SWORD";
    item.axis = {"Weapons", "Swords", "Magic Sword"};
    item.hitPointsLow = "30";
    item.hitPointsHigh = "40";
    item.color = "0481";
    return item;
}

// The troll guard: the NPC definition the scripter's guide walks through.
// KARMA has no low value and skill slot 2 no name, so neither is written.
inline NpcRecord trollGuard()
{
    NpcRecord npc;
    npc.identifier = "troll_guard";
    npc.basic[0] = "a troll guard";
    npc.basic[1] = "036";
    npc.basic[2] = "i_pet_troll";
    npc.basic[4] = "12,20";
    npc.basic[7] = "30";
    npc.basic[14] = "Monsters";
    npc.basic[15] = "Trolls";
    npc.lists[0] = "MT_WALK";
    npc.lists[1] = "MT_USEHANDS";
    npc.lists[6] = "e_guard_events";
    npc.brain = "BRAIN_GUARD";
    npc.stats[0] = {"400", "600"};
    npc.stats[1] = {"", "500"};
    npc.stats[2] = {"200", "250"};
    npc.creation[0] = "0";
    npc.skills[0] = {"WRESTLING", "70.0", "85.0"};
    npc.skills[1] = {"TACTICS", "", "80.0"};
    npc.skills[2] = {"", "50.0", "60.0"};
    return npc;
}

} // namespace defwright::samples
