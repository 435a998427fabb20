#pragma once

#include "core/table/table_column.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// A test of one key's values typed into the filter: "VALUE=10", "WEIGHT>5", "DAM<20".
struct KeyTest {
    enum class Kind : std::uint8_t { Equals, Above, Below };

    std::string key; ///< in upper case
    Kind kind = Kind::Equals;
    std::string value;
    std::optional<double> number; ///< the value as cellNumber() reads it; always one for Above and Below
};

/// What the filter box says: words every row shown holds somewhere, and tests of keys.
struct TableFilter {
    std::vector<std::string> words; ///< ASCII letters in lower case
    std::vector<KeyTest> tests;
    std::vector<std::string> unusable; ///< "KEY>n" and "KEY<n" terms whose n is no number; they filter nothing
};

/// The filter typed: terms between blanks (or in double quotes, which may hold
/// blanks); a term of a key's name (letters, digits, "_", ".") followed by
/// "=", ">" or "<" and a value is a test, any other a word.
[[nodiscard]] TableFilter parseFilter(std::string_view typed);

/// The rows that pass, in the order given: each word is in the row's name,
/// its file or one of the `shown` columns, without regard to ASCII case; each
/// test holds for one of its key's values, numbers read as cellNumber() reads
/// them (ids among them); "KEY=" holds for a row that does not give the key.
[[nodiscard]] std::vector<std::uint32_t> filteredRows(const DefinitionTable& table, std::span<const std::uint32_t> rows,
                                                      const TableFilter& filter, std::span<const TableColumn> shown);

} // namespace defwright
