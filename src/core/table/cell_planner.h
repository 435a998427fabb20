#pragma once

#include "core/script/script_line.h"
#include "core/script/text_edit.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

/// Plans changes of one definition's cells as edits of its text, each cell's
/// values one a line, empty lines left out (see cellValues()); a repeated
/// key's k-th value is its k-th line:
/// - a value given for a line that has one changes only that value;
/// - a line left without a value is taken away;
/// - a value beyond the key's lines adds "KEY=value" after the key's last
///   line left, or, for a key the definition lacks, after the last line of
///   the body, in the break given.
/// The edits of all the cells planned are apart from one another.
class CellPlanner {
public:
    CellPlanner(std::string_view text, const ScriptLine& header, std::string_view lineBreak);

    /// Plans the key's cell (any case) to say `value` (values split by any
    /// line break); false, with nothing planned, when a value or the key
    /// cannot be written so that it reads back (see planValueChange() and keyedLine()).
    bool plan(std::string_view key, std::string_view value);

    /// Every edit planned, new lines at the body's end and lines taken away among them.
    [[nodiscard]] std::vector<TextEdit> edits() const;

private:
    [[nodiscard]] std::vector<std::size_t> linesOf(std::string_view key) const;
    [[nodiscard]] std::size_t lastKept(const std::vector<std::size_t>& lines, const std::vector<bool>& removed) const;
    void addRemovals(std::vector<TextEdit>& edits) const;

    std::string_view text_;
    ScriptLine header_;
    std::vector<ScriptLine> body_;
    std::string lineBreak_;
    std::vector<bool> removed_;
    std::vector<TextEdit> edits_;
    std::vector<std::string> atEnd_; // lines for the body's end, without indent or break
};

/// The values of a cell: split at every CR LF, CR and LF, each without the
/// blanks at its ends; an empty one is none, so an empty cell has no value.
[[nodiscard]] std::vector<std::string_view> cellValues(std::string_view value);

} // namespace defwright
