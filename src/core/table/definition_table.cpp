#include "core/table/definition_table.h"

#include "core/definitions/definition_rows.h"
#include "core/script/ascii_case.h"

#include <algorithm>
#include <numeric>

namespace defwright {
namespace {

void addValue(TableCell& cell, std::string_view value)
{
    if (cell.lines++ > 0)
        cell.value += kValueSeparator;
    cell.value += value;
}

} // namespace

DefinitionTable::DefinitionTable(std::vector<std::string> sections, std::span<const TableFile> files)
    : sections_(std::move(sections))
{
    paths_.reserve(files.size());
    for (const TableFile& file : files) {
        paths_.push_back(file.path);
        std::vector<TableRow> rows = readFile(static_cast<std::uint32_t>(paths_.size() - 1), file.text);
        rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    }
    countKeys(rows_, 1);
}

std::vector<TableRow> DefinitionTable::readFile(std::uint32_t file, std::string_view text)
{
    std::vector<TableRow> rows;
    for (const HeaderLine& header : headerLines(text)) {
        const ScriptLine line = scriptLineAt(text, header.start);
        const HeaderSpans words = headerSpans(text, line);
        const std::string_view kind = words.kind.of(text);
        if (std::none_of(sections_.begin(), sections_.end(),
                         [kind](const std::string& section) { return equalsIgnoringCase(section, kind); }))
            continue;
        TableRow& row = rows.emplace_back(TableRow{file, header.line, header.start, std::string(words.name.of(text)), {}});
        for (const ScriptLine& body : bodyLines(text, line)) {
            if (body.kind != LineKind::Keyed)
                continue;
            const std::uint32_t key = keyFor(body.key.of(text));
            auto cell = std::find_if(row.cells.begin(), row.cells.end(), [key](const TableCell& c) { return c.key == key; });
            if (cell == row.cells.end())
                cell = row.cells.insert(row.cells.end(), TableCell{key, 0, {}});
            addValue(*cell, body.value.of(text));
        }
        std::sort(row.cells.begin(), row.cells.end(), [](const TableCell& a, const TableCell& b) { return a.key < b.key; });
    }
    return rows;
}

std::uint32_t DefinitionTable::keyFor(std::string_view key)
{
    folded_.assign(key);
    std::transform(folded_.begin(), folded_.end(), folded_.begin(), asciiUpper);
    const auto [found, added] = keyNumbers_.try_emplace(folded_, static_cast<std::uint32_t>(keys_.size()));
    if (added) {
        keys_.push_back(folded_);
        keyUse_.push_back(0);
    }
    return found->second;
}

void DefinitionTable::countKeys(std::span<const TableRow> rows, int sign)
{
    for (const TableRow& row : rows) {
        for (const TableCell& cell : row.cells)
            keyUse_[cell.key] = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(keyUse_[cell.key]) + sign);
    }
}

std::optional<std::uint32_t> DefinitionTable::keyNumber(std::string_view name) const
{
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), asciiUpper);
    const auto found = keyNumbers_.find(folded);
    return found == keyNumbers_.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::uint32_t> DefinitionTable::defaultKeys(std::size_t count) const
{
    std::vector<std::uint32_t> keys(keys_.size());
    std::iota(keys.begin(), keys.end(), 0u);
    std::erase_if(keys, [this](std::uint32_t key) { return keyUse_[key] == 0 || keys_[key] == kDefnameKey; });
    std::stable_sort(keys.begin(), keys.end(), [this](std::uint32_t a, std::uint32_t b) { return keyUse_[a] > keyUse_[b]; });
    keys.resize(std::min(count, keys.size()));
    return keys;
}

const TableCell* DefinitionTable::cell(const TableRow& row, std::uint32_t key) const
{
    const auto found = std::lower_bound(row.cells.begin(), row.cells.end(), key,
                                        [](const TableCell& cell, std::uint32_t k) { return cell.key < k; });
    return found != row.cells.end() && found->key == key ? &*found : nullptr;
}

std::string_view DefinitionTable::value(const TableRow& row, std::uint32_t key) const
{
    const TableCell* found = cell(row, key);
    return found ? std::string_view(found->value) : std::string_view();
}

std::string_view DefinitionTable::value(const TableRow& row, std::string_view key) const
{
    const std::optional<std::uint32_t> number = keyNumber(key);
    return number ? value(row, *number) : std::string_view();
}

bool DefinitionTable::readFileAgain(std::uint32_t file, std::string_view text)
{
    const auto first = std::lower_bound(rows_.begin(), rows_.end(), file,
                                        [](const TableRow& row, std::uint32_t f) { return row.file < f; });
    const auto last = std::find_if(first, rows_.end(), [file](const TableRow& row) { return row.file != file; });
    countKeys(std::span<const TableRow>(first, last), -1);
    std::vector<TableRow> rows = readFile(file, text);
    countKeys(rows, 1);
    const bool kept = static_cast<std::ptrdiff_t>(rows.size()) == last - first;
    if (kept) {
        std::move(rows.begin(), rows.end(), first);
        return true;
    }
    const auto at = rows_.erase(first, last);
    rows_.insert(at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    return false;
}

} // namespace defwright
