#pragma once

#include "ui/table/definition_table_model.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A key the table can show a column of, and how many definitions give it.
struct KeyChoice {
    std::string key;
    std::size_t uses = 0;
};

/// The keys a definition of the kind accepts and those the table's rows
/// give, each once: the most used first, then alphabetical.
[[nodiscard]] std::vector<KeyChoice> keyChoices(std::string_view kind, const DefinitionTable& table);

/// The columns of the keys in their order: the definition, its DEFNAME when
/// chosen, its file and line, then the other keys.
[[nodiscard]] std::vector<ShownColumn> columnsOfKeys(const std::vector<std::string>& keys);
[[nodiscard]] std::vector<std::string> keysOfColumns(const std::vector<ShownColumn>& columns);

/// The keys a table of the kind opened with the last time, else the keys its rows give most.
[[nodiscard]] std::vector<std::string> rememberedKeys(std::string_view kind, const DefinitionTable& table);
[[nodiscard]] std::vector<std::string> mostUsedKeys(const DefinitionTable& table);
void rememberKeys(std::string_view kind, const std::vector<std::string>& keys);

} // namespace defwright
