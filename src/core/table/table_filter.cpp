#include "core/table/table_filter.h"

#include "core/script/ascii_case.h"
#include "core/script/script_line.h"
#include "core/table/cell_order.h"

#include <algorithm>
#include <optional>

namespace defwright {
namespace {

// Terms between blanks; double quotes keep blanks in a term and are not part of it.
std::vector<std::string> terms(std::string_view typed)
{
    std::vector<std::string> found;
    std::string term;
    bool quoted = false;
    bool quotes = false; // the term had quotes, so it stands even when empty
    for (const char character : typed) {
        if (character == '"') {
            quoted = !quoted;
            quotes = true;
        } else if (!quoted && isBlank(character)) {
            if (!term.empty() || quotes)
                found.push_back(std::move(term));
            term.clear();
            quotes = false;
        } else {
            term += character;
        }
    }
    if (!term.empty() || quotes)
        found.push_back(std::move(term));
    return found;
}

bool isKeyCharacter(char character)
{
    const char lower = asciiLower(character);
    return (lower >= 'a' && lower <= 'z') || (character >= '0' && character <= '9') || character == '_'
        || character == '.';
}

std::optional<KeyTest> keyTest(std::string_view term)
{
    const std::size_t at = term.find_first_of("=<>");
    if (at == 0 || at == term.npos || !std::all_of(term.begin(), term.begin() + static_cast<std::ptrdiff_t>(at), isKeyCharacter))
        return std::nullopt;
    KeyTest test;
    test.key = term.substr(0, at);
    std::transform(test.key.begin(), test.key.end(), test.key.begin(), asciiUpper);
    test.kind = term[at] == '=' ? KeyTest::Kind::Equals : term[at] == '>' ? KeyTest::Kind::Above : KeyTest::Kind::Below;
    test.value = term.substr(at + 1);
    return test;
}

bool containsFolded(std::string_view text, std::string_view foldedWord)
{
    return std::search(text.begin(), text.end(), foldedWord.begin(), foldedWord.end(),
                       [](char character, char folded) { return asciiLower(character) == folded; })
        != text.end();
}

bool partHolds(const KeyTest& test, std::string_view part)
{
    const std::optional<double> number = cellNumber(part);
    switch (test.kind) {
    case KeyTest::Kind::Above:
        return number && *number > *test.number;
    case KeyTest::Kind::Below:
        return number && *number < *test.number;
    case KeyTest::Kind::Equals:
        break;
    }
    return number && test.number ? *number == *test.number : equalsIgnoringCase(part, test.value);
}

bool holdsFor(const KeyTest& test, std::string_view value)
{
    if (test.kind == KeyTest::Kind::Equals && test.value.empty())
        return value.empty();
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t end = std::min(value.find(kValueSeparator, start), value.size());
        if (partHolds(test, value.substr(start, end - start)))
            return true;
        start = end + 1;
    }
    return false;
}

struct ResolvedTest {
    const KeyTest* test;
    std::optional<std::uint32_t> key;
};

bool passes(const DefinitionTable& table, const TableRow& row, const TableFilter& filter,
            std::span<const ResolvedTest> tests, std::span<const TableColumn> shown)
{
    for (const ResolvedTest& each : tests) {
        const std::string_view value = each.key ? table.value(row, *each.key) : std::string_view();
        if (!holdsFor(*each.test, value))
            return false;
    }
    return std::all_of(filter.words.begin(), filter.words.end(), [&](const std::string& word) {
        return containsFolded(row.name, word) || containsFolded(table.filePath(row.file), word)
            || std::any_of(shown.begin(), shown.end(), [&](const TableColumn& column) {
                   return column.kind == ColumnKind::Key && containsFolded(table.value(row, column.key), word);
               });
    });
}

} // namespace

TableFilter parseFilter(std::string_view typed)
{
    TableFilter filter;
    for (std::string& term : terms(typed)) {
        std::optional<KeyTest> test = keyTest(term);
        if (!test) {
            std::transform(term.begin(), term.end(), term.begin(), asciiLower);
            if (!term.empty())
                filter.words.push_back(std::move(term));
            continue;
        }
        test->number = cellNumber(test->value);
        if (test->kind != KeyTest::Kind::Equals && !test->number)
            filter.unusable.push_back(std::move(term));
        else
            filter.tests.push_back(std::move(*test));
    }
    return filter;
}

std::vector<std::uint32_t> filteredRows(const DefinitionTable& table, std::span<const std::uint32_t> rows,
                                        const TableFilter& filter, std::span<const TableColumn> shown)
{
    std::vector<ResolvedTest> tests;
    for (const KeyTest& test : filter.tests)
        tests.push_back({&test, table.keyNumber(test.key)});
    std::vector<std::uint32_t> passed;
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(passed), [&](std::uint32_t row) {
        return passes(table, table.row(row), filter, tests, shown);
    });
    return passed;
}

} // namespace defwright
