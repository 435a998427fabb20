#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace defwright {

/// One script of the folder as the table reads it: its path as the table
/// shows it (UTF-8) and its text as a pane holds it.
struct TableFile {
    std::string path;
    std::string_view text;
};

/// A cell holds each value of its key one a line: a repeated key's values
/// joined by this, which no value can hold.
inline constexpr char kValueSeparator = '\n';

/// The key of a definition's other names, which the table shows beside its own.
inline constexpr std::string_view kDefnameKey = "DEFNAME";

/// The lines of one key in a definition's body.
struct TableCell {
    std::uint32_t key = 0;   ///< the table's number of the key
    std::uint32_t lines = 0; ///< how many lines give it; more than one: repeated
    std::string value;       ///< their values as written, joined by kValueSeparator
};

/// One definition of the table.
struct TableRow {
    std::uint32_t file = 0;
    std::uint32_t line = 0;      ///< the header's, from 0
    std::size_t headerStart = 0; ///< where the header begins in the text the row was read from
    std::string name;            ///< the header's name, its word after the kind
    std::vector<TableCell> cells; ///< one per key the body gives, by key number
};

/// Every definition of one section kind in a set of files, each a row with
/// one cell per key its body gives (the keyed lines before its first
/// trigger). Keys are known in upper case, the order they were first met.
class DefinitionTable {
public:
    /// @param sections the header words that make the kind, in any case ("ITEMDEF", "MULTIDEF")
    DefinitionTable(std::vector<std::string> sections, std::span<const TableFile> files);

    [[nodiscard]] std::span<const TableRow> rows() const { return rows_; }
    [[nodiscard]] const TableRow& row(std::uint32_t row) const { return rows_.at(row); }
    [[nodiscard]] std::size_t fileCount() const { return paths_.size(); }
    [[nodiscard]] const std::string& filePath(std::uint32_t file) const { return paths_.at(file); }
    [[nodiscard]] std::span<const std::string> sections() const { return sections_; }

    [[nodiscard]] std::size_t keyCount() const { return keys_.size(); }
    [[nodiscard]] const std::string& keyName(std::uint32_t key) const { return keys_.at(key); }
    [[nodiscard]] std::optional<std::uint32_t> keyNumber(std::string_view name) const;
    /// How many rows give the key.
    [[nodiscard]] std::size_t keyUse(std::uint32_t key) const { return keyUse_.at(key); }

    /// The keys the most rows give, most used first (the first met first when
    /// as used), DEFNAME left out as the table shows it anyway; at most `count`.
    [[nodiscard]] std::vector<std::uint32_t> defaultKeys(std::size_t count) const;

    [[nodiscard]] const TableCell* cell(const TableRow& row, std::uint32_t key) const;
    /// The cell's value; empty for a key the row does not give.
    [[nodiscard]] std::string_view value(const TableRow& row, std::uint32_t key) const;
    [[nodiscard]] std::string_view value(const TableRow& row, std::string_view key) const;

    /// Reads the file's definitions again from its new text. True when it
    /// holds as many as before, so every row keeps its number; otherwise the
    /// file's rows are replaced and the rows after them are numbered anew.
    bool readFileAgain(std::uint32_t file, std::string_view text);

private:
    std::vector<TableRow> readFile(std::uint32_t file, std::string_view text);
    std::uint32_t keyFor(std::string_view key);
    void countKeys(std::span<const TableRow> rows, int sign);

    std::vector<std::string> sections_;
    std::vector<std::string> paths_;
    std::vector<TableRow> rows_;
    std::vector<std::string> keys_;
    std::unordered_map<std::string, std::uint32_t> keyNumbers_;
    std::vector<std::size_t> keyUse_;
    std::string folded_; // the key being looked up, in upper case
};

} // namespace defwright
