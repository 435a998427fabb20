#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A kind of definition the table can show: the kind as the language names
/// it and every header word that opens one ("ITEMDEF" and "MULTIDEF").
struct TableKind {
    std::string_view kind;
    std::vector<std::string> sections;
};

/// The kinds whose bodies are keys up to the first trigger: item definitions
/// first, character definitions next, the others in the language's order.
[[nodiscard]] std::vector<TableKind> tableKinds();

} // namespace defwright
