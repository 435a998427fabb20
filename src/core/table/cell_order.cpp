#include "core/table/cell_order.h"

#include "core/index/definition_name.h"
#include "core/script/ascii_case.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace defwright {
namespace {

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

std::optional<double> decimal(std::string_view text)
{
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    const std::size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::string_view fraction = point == digits.npos ? std::string_view("0") : digits.substr(point + 1);
    if (whole.empty() || fraction.empty() || !std::all_of(whole.begin(), whole.end(), isDigit)
        || !std::all_of(fraction.begin(), fraction.end(), isDigit))
        return std::nullopt;
    double number = 0;
    // from_chars reads no "+"; the sign was checked above.
    const std::string_view plain = text.front() == '+' ? text.substr(1) : text;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), number);
    return error == std::errc() && end == plain.data() + plain.size() ? std::optional(number) : std::nullopt;
}

// Where the class of a cell decides alone: numbers, then text, then nothing.
enum class CellClass : std::uint8_t { Number, Text, Empty };

struct SortKey {
    CellClass cellClass;
    double number;
    std::string_view text;
};

SortKey sortKey(std::string_view text)
{
    if (text.empty())
        return {CellClass::Empty, 0, text};
    const std::optional<double> number = cellNumber(text);
    return {number ? CellClass::Number : CellClass::Text, number.value_or(0), text};
}

int compareText(std::string_view left, std::string_view right)
{
    const auto folded = std::mismatch(left.begin(), left.end(), right.begin(), right.end(),
                                      [](char a, char b) { return asciiLower(a) == asciiLower(b); });
    if (folded.first != left.end() && folded.second != right.end())
        return asciiLower(*folded.first) < asciiLower(*folded.second) ? -1 : 1;
    if (left.size() != right.size())
        return left.size() < right.size() ? -1 : 1;
    const int bytes = left.compare(right);
    return bytes < 0 ? -1 : bytes > 0 ? 1 : 0;
}

int compareKeys(const SortKey& left, const SortKey& right)
{
    if (left.cellClass != right.cellClass)
        return left.cellClass < right.cellClass ? -1 : 1;
    if (left.cellClass == CellClass::Number && left.number != right.number)
        return left.number < right.number ? -1 : 1;
    return compareText(left.text, right.text);
}

} // namespace

std::optional<double> cellNumber(std::string_view text)
{
    if (text.size() > 1 && text.front() == '0' && isIdNumber(text)) {
        const std::string_view digits = text.size() > 2 && asciiLower(text[1]) == 'x' ? text.substr(2) : text;
        std::uint64_t number = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
        if (error == std::errc() && end == digits.data() + digits.size())
            return static_cast<double>(number);
        return std::nullopt;
    }
    return text.empty() ? std::nullopt : decimal(text);
}

int compareCells(std::string_view left, std::string_view right)
{
    return compareKeys(sortKey(left), sortKey(right));
}

std::vector<std::uint32_t> sortedRows(const DefinitionTable& table, std::vector<std::uint32_t> rows,
                                      const TableColumn& column, bool descending)
{
    std::vector<SortKey> keys(table.rows().size());
    for (const std::uint32_t row : rows) {
        const TableRow& each = table.row(row);
        switch (column.kind) {
        case ColumnKind::Definition:
            keys[row] = sortKey(each.name);
            break;
        case ColumnKind::File:
            keys[row] = sortKey(table.filePath(each.file));
            break;
        case ColumnKind::Line:
            keys[row] = {CellClass::Number, static_cast<double>(each.line), {}};
            break;
        case ColumnKind::Key:
            keys[row] = sortKey(table.value(each, column.key));
            break;
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [&keys, descending](std::uint32_t left, std::uint32_t right) {
        const SortKey& a = keys[left];
        const SortKey& b = keys[right];
        if (descending && (a.cellClass == CellClass::Empty) == (b.cellClass == CellClass::Empty))
            return compareKeys(b, a) < 0;
        return compareKeys(a, b) < 0;
    });
    return rows;
}

} // namespace defwright
