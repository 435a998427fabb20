#pragma once

#include "core/npcs/npc_record.h"

#include <array>
#include <string_view>

namespace defwright {

/// Key captions of the basic NPC fields, boxes 1 to 17 in order.
inline constexpr std::array<std::string_view, NpcRecord::kBasicCount> kNpcBasicKeys = {
    "NAME=",     "ID=",          "ICON=",    "SOUND=",    "DAM=",       "RESOURCES=",
    "ANIM=",     "ARMOR=",       "FOODTYPE=", "HIREDAYWAGE=", "SHELTER=", "BLOODCOLOR=",
    "DESIRES=",  "AVERSIONS=",   "CATEGORY=", "SUBSECTION=", "DESCRIPTION=",
};

/// Key captions of the flag and trigger-list boxes: three movement flags, three
/// speech triggers, four event triggers. Each box writes a line of its own.
inline constexpr std::array<std::string_view, NpcRecord::kListCount> kNpcListKeys = {
    "CAN=",     "CAN=",     "CAN=",     "TSPEECH=", "TSPEECH=",
    "TSPEECH=", "TEVENTS=", "TEVENTS=", "TEVENTS=", "TEVENTS=",
};

/// How many of the list boxes, from the first, offer the movement flags.
inline constexpr int kMovementFlagBoxes = 3;

inline constexpr std::array<std::string_view, NpcRecord::kStatCount> kNpcStatKeys = {
    "FAME=", "KARMA=", "STR=", "INT=", "DEX=",
};

inline constexpr std::array<std::string_view, NpcRecord::kCreationCount> kNpcCreationKeys = {
    "COLOR=", "SPEECHCOLOR=", "FONT=", "FLAGS=",
};

/// Fixed texts of the NPC script that no label carries.
inline constexpr std::string_view kNpcHeaderCaption = "[CHARDEF c_";
inline constexpr std::string_view kNpcHeaderEnd = "]";
inline constexpr std::string_view kNpcBrainKey = "NPC=";

inline constexpr std::array<std::string_view, 12> kMovementFlags = {
    "MT_NONMOVER", "MT_GHOST", "MT_SWIM",  "MT_WALK",   "MT_FLY",    "MT_FIRE_IMMUNE",
    "MT_EQUIP",    "MT_USEHANDS", "MT_MALE", "MT_FEMALE", "MT_NONHUM", "MT_RUN",
};

inline constexpr std::array<std::string_view, 15> kBrains = {
    "BRAIN_NONE",    "BRAIN_HUMAN",   "BRAIN_HEALER",  "BRAIN_GUARD",
    "BRAIN_BANKER",  "BRAIN_VENDOR",  "BRAIN_BEGGAR",  "BRAIN_ANIMAL_TRAINER",
    "BRAIN_THIEF",   "BRAIN_MONSTER", "BRAIN_BESERK",  "BRAIN_UNDEAD",
    "BRAIN_DRAGON",  "BRAIN_VENDOR_OFFDUTY", "BRAIN_TOWNCRIER",
};

inline constexpr std::array<std::string_view, 50> kSkills = {
    "ALCHEMY",       "ANATOMY",         "ANIMALLORE",   "ARCHERY",     "ARMSLORE",
    "BEGGING",       "BLACKSMITHING",   "BOWCRAFT",     "CAMPING",     "CARPENTRY",
    "CARTOGRAPHY",   "COOKING",         "DETECTINGHIDDEN", "ENTICEMENT", "EVALUATINGINTEL",
    "FENCING",       "FISHING",         "FORENSICS",    "HEALING",     "HERDING",
    "HIDING",        "INSCRIPTION",     "ITEMID",       "LOCKPICKING", "LUMBERJACKING",
    "MACEFIGHTING",  "MAGERY",          "MAGICRESISTANCE", "MEDITATION", "MINING",
    "MUSICIANSHIP",  "NECROMANCY",      "PARRYING",     "PEACEMAKING", "POISONING",
    "PROVOCATION",   "REMOVETRAP",      "SNOOPING",     "SPIRITSPEAK", "STEALING",
    "STEALTH",       "SWORDSMANSHIP",   "TACTICS",      "TAILORING",   "TAMING",
    "TASTEID",       "TINKERING",       "TRACKING",     "VETERINARY",  "WRESTLING",
};

/// The NPC trigger buttons' captions, top to bottom; each is the trigger it inserts.
inline constexpr std::array<std::string_view, 12> kNpcTriggers = {
    "@USERCLICK", "@USERDCLICK", "@RECIEVEITEM", "@SPELLEFFECT",
    "@NPCSEENEWPLAYER", "@HITTRY", "@HITMISS", "@HIT",
    "@GETHIT", "@ENVIRONCHANGE", "@DEATHCORPSE", "@DEATH",
};

} // namespace defwright
