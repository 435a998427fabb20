#pragma once

#include "core/index/script_summary.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace defwright {

class FolderIndex;

/// Sections to choose from by typing: each shown as its kind, its name, its
/// first DEFNAME and its NAME when it has them, and file:line.
class DefinitionList {
public:
    struct Row {
        std::string shown;
        std::string folded; ///< `shown` with ASCII letters in lower case, for filtering
        std::string kind;       ///< "ITEMDEF", ...
        std::uint32_t file = 0;
        std::uint32_t line = 0; ///< the header's, from 0
    };

    /// Adds a row for each section of a file, in the order they come.
    /// @param shownPath how the rows name the file
    /// @param note what each row ends with, such as that the server does not load the file
    void addFile(const std::filesystem::path& file, const std::string& shownPath, const ScriptSummary& summary,
                 std::string_view note = {});

    /// Adds every file of the index but `skipped`, naming each relative to the
    /// index's folder, and marking those the server does not load.
    void addIndex(const FolderIndex& index, const std::filesystem::path& skipped = {});

    [[nodiscard]] std::size_t size() const { return rows_.size(); }
    [[nodiscard]] const Row& row(std::size_t at) const { return rows_.at(at); }
    [[nodiscard]] const std::filesystem::path& file(const Row& row) const { return files_.at(row.file); }

    /// The rows that hold every word of `typed` (blanks between words), in
    /// any order, without regard to case; every row for nothing typed.
    [[nodiscard]] std::vector<std::uint32_t> matching(std::string_view typed) const;

private:
    std::vector<std::filesystem::path> files_;
    std::vector<Row> rows_;
};

} // namespace defwright
