#include "core/language/statement_word.h"

#include "core/language/table_lookup.h"

namespace defwright {
namespace {

bool isWordCharacter(char character)
{
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z')
        || (character >= '0' && character <= '9') || character == '_';
}

} // namespace

std::optional<Statement> statementOf(std::string_view text, const ScriptLine& line)
{
    const std::size_t start = line.indent.end;
    const std::size_t bodyEnd = line.commentGap.start;
    std::size_t end = start;
    while (end < bodyEnd && isWordCharacter(text[end]))
        ++end;
    if (end == start || (end < bodyEnd && text[end] == '.'))
        return std::nullopt;
    const TextSpan word{start, end};
    const auto rows = rowsOf(statementRows(), [](const StatementRow& row) { return row.word; }, word.of(text));
    if (rows.empty())
        return std::nullopt;
    return Statement{rows.front().role, rows.front().block, word};
}

} // namespace defwright
