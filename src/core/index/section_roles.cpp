#include "core/index/section_roles.h"

#include <algorithm>
#include <array>
#include <utility>

namespace defwright {
namespace {

constexpr SectionRole kNameList{false, true, SectionBody::Names};
constexpr SectionRole kCodeList{false, true, SectionBody::Code};
constexpr SectionRole kTextList{false, true, SectionBody::Text};
constexpr SectionRole kTextDefinition{true, true, SectionBody::Text};
constexpr SectionRole kWorldSave{false, false, SectionBody::None};

// TEMPORARY: the index's own list of section kinds, until the language's
// table of kinds is in the core; then this table goes and sectionRole() reads that one.
constexpr std::array<std::pair<std::string_view, SectionRole>, 41> kRoles = {{
    {"ACCOUNT", kWorldSave},       {"ADVANCE", kCodeList},     {"BLOCKIP", kTextList},
    {"BOOK", kTextDefinition},     {"COMMENT", {false, false, SectionBody::None}},
    {"DEFMESSAGE", kNameList},     {"DEFNAME", kNameList},     {"DEFNAMES", kNameList},
    {"FAME", kTextList},           {"GLOBALS", kWorldSave},    {"GMPAGE", kWorldSave},
    {"KARMA", kTextList},          {"KRDIALOGLIST", kCodeList}, {"LIST", kWorldSave},
    {"MOONGATES", kTextList},      {"NAMES", kTextDefinition}, {"NEWBIE", kCodeList},
    {"NOTOTITLES", kTextList},     {"OBSCENE", kTextList},     {"PLEVEL", kCodeList},
    {"RESDEFNAME", kNameList},     {"RESOURCELIST", kCodeList},
    {"RESOURCES", {false, true, SectionBody::Loads}},
    {"RUNES", kTextList},          {"SCROLL", kTextDefinition}, {"SECTOR", kWorldSave},
    {"SERVERS", kTextList},        {"STARTS", kTextList},      {"STAT", kTextList},
    {"TELEPORTERS", kTextList},    {"TIMERF", kWorldSave},     {"TIP", kTextDefinition},
    {"TYPEDEFS", kNameList},       {"WC", kWorldSave},         {"WI", kWorldSave},
    {"WORLDCHAR", kWorldSave},     {"WORLDITEM", kWorldSave},  {"WORLDLISTS", kWorldSave},
    {"WORLDSCRIPT", kWorldSave},   {"WORLDVARS", kWorldSave},  {"WS", kWorldSave},
}};
static_assert(std::is_sorted(kRoles.begin(), kRoles.end(),
                             [](const auto& left, const auto& right) { return left.first < right.first; }));

} // namespace

SectionRole sectionRole(std::string_view kind)
{
    const auto found = std::lower_bound(kRoles.begin(), kRoles.end(), kind,
                                        [](const auto& role, std::string_view wanted) { return role.first < wanted; });
    return found == kRoles.end() || found->first != kind ? SectionRole() : found->second;
}

} // namespace defwright
