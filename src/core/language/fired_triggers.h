#pragma once

#include "core/language/language_tables.h"

#include <span>
#include <string_view>
#include <vector>

namespace defwright {

/// The triggers the server's lists give for an object kind, sorted by their
/// upper-case names; every list's for ObjectKind::Any, none for ObjectKind::None.
[[nodiscard]] std::span<const TriggerRow> listedTriggers(ObjectKind object);

/// Whether objects of a kind fire `trigger` ("@DClick", in any case) by
/// themselves: by the server's lists or the program's own trigger buttons.
/// Objects of ObjectKind::Any fire what any kind fires; ObjectKind::None fires nothing known.
[[nodiscard]] bool isKnownTrigger(ObjectKind object, std::string_view trigger);

/// The kinds of object that fire `trigger` by themselves, in the order of ObjectKind.
[[nodiscard]] std::vector<ObjectKind> objectsFiring(std::string_view trigger);

/// What the system calls an object of a kind: "item", "character", "region";
/// "object" for ObjectKind::Any and ObjectKind::None.
[[nodiscard]] std::string_view objectKindName(ObjectKind object);

/// The object kinds with triggers of their own, in the order of ObjectKind.
inline constexpr ObjectKind kFiringObjects[] = {ObjectKind::Item, ObjectKind::Character, ObjectKind::Region};

} // namespace defwright
