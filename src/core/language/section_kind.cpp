#include "core/language/section_kind.h"

#include "core/language/table_lookup.h"
#include "core/script/script_line.h"

namespace defwright {
namespace {

// The word that begins at `from`, and where the blanks after it end.
std::string_view nextWord(std::string_view text, std::size_t& from)
{
    while (from < text.size() && isBlank(text[from]))
        ++from;
    const std::size_t start = from;
    while (from < text.size() && !isBlank(text[from]))
        ++from;
    return text.substr(start, from - start);
}

std::span<const SectionKindRow> kindRows(std::string_view kind)
{
    return rowsOf(sectionKindRows(), [](const SectionKindRow& row) { return row.kind; }, kind);
}

std::span<const SectionAliasRow> aliasRows(std::string_view word)
{
    return rowsOf(sectionAliasRows(), [](const SectionAliasRow& row) { return row.written; }, word);
}

} // namespace

HeaderWords headerWords(std::string_view bracketed)
{
    std::size_t at = 0;
    HeaderWords words;
    words.kind = nextWord(bracketed, at);
    words.name = nextWord(bracketed, at);
    words.part = nextWord(bracketed, at);
    return words;
}

std::optional<SectionKind> sectionKind(std::string_view bracketed)
{
    const HeaderWords words = headerWords(bracketed);
    std::string_view kind = words.kind;
    if (const std::span<const SectionAliasRow> alias = aliasRows(kind); !alias.empty()) {
        if (alias.front().means.empty())
            return SectionKind{alias.front().written, SectionBody::EndOfFile, ObjectKind::None, false};
        kind = alias.front().means;
    }
    const std::span<const SectionKindRow> rows = kindRows(kind);
    if (rows.empty())
        return std::nullopt;
    const SectionKindRow* chosen = &rows.front();
    for (const SectionKindRow& row : rows) {
        if (!row.part.empty() && compareUpper(row.part, words.part) == 0)
            chosen = &row;
    }
    return SectionKind{chosen->kind, chosen->body, chosen->object, chosen->keysListed};
}

bool isSectionWord(std::string_view word)
{
    return !aliasRows(word).empty() || !kindRows(word).empty();
}

} // namespace defwright
