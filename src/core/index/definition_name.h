#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace defwright {

/// Whether a name is a number as scripts write ids: a digit first, then hex
/// digits, with or without "0x" ("0a25", "0x0A25", "0").
[[nodiscard]] bool isIdNumber(std::string_view name);

/// Whether a name can stand for a definition: a letter or "_" first, then
/// letters, digits and "_".
[[nodiscard]] bool isDefinitionName(std::string_view name);

/// The name that byte `at` of a line stands in or right after: the letters,
/// digits and "_" around it. A dot parts names, as scripts join them in
/// "<DEF.i_x>", "<i_x.NAME>" and "SRC.FINDID.i_x.REMOVE". Empty when there is none.
[[nodiscard]] std::string_view nameAt(std::string_view line, std::size_t at);

/// The form under which a name is looked up: ASCII letters in lower case; an
/// id as one "0" and its digits without "0x" or leading zeros, so "0a25",
/// "0x0a25", "0A25" and "00a25" are one id, and never the name "a25". Empty
/// for an empty name.
[[nodiscard]] std::string nameKey(std::string_view name);

/// A hash of nameKey(name), made without building it.
[[nodiscard]] std::uint32_t nameHash(std::string_view name);

/// nameKey(left) compared with nameKey(right), without building them: below,
/// equal to or above 0.
[[nodiscard]] int compareNameKeys(std::string_view left, std::string_view right);

} // namespace defwright
