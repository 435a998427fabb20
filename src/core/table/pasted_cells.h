#pragma once

#include "core/table/cell_changes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// The cell changes of a paste into selected cells, or why it does not fit.
struct PastedCells {
    std::vector<CellChange> changes;
    std::optional<std::size_t> pastedRows; ///< set when the paste does not fit: the rows it has
    std::size_t pastedColumns = 0;
};

/// A paste of tab-separated text (as spreadsheets copy cells: a row a line,
/// quoted cells may hold line breaks) into the selected cells, `rows` as
/// shown and `keys` the selected columns' keys from left to right. One value
/// fills every selected cell; a block of as many rows and columns as the
/// selection fills it cell by cell; any other block does not fit.
[[nodiscard]] PastedCells pastedChanges(std::span<const std::uint32_t> rows, std::span<const std::string> keys,
                                        std::string_view pasted);

} // namespace defwright
