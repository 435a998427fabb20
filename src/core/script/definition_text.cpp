#include "core/script/definition_text.h"

#include "core/script/text_lines.h"

namespace defwright {
namespace {

// The start of the header at or above `start`, with its line number, if there is one.
struct HeaderPlace {
    std::size_t start;
    std::size_t line;
};

std::optional<HeaderPlace> headerAtOrAbove(const TextLines& lines, std::size_t start, std::size_t line)
{
    while (!isHeaderLine(lines.line(start))) {
        if (start == 0)
            return std::nullopt;
        start = lines.previousLineStart(start);
        --line;
    }
    return HeaderPlace{start, line};
}

std::optional<HeaderPlace> firstHeaderOfKind(const TextLines& lines, const DefinitionKind& kind)
{
    std::size_t line = 0;
    for (std::size_t start = 0;; ++line) {
        const std::size_t end = lines.lineEnd(start);
        if (headerIdentifier(lines.line(start), kind))
            return HeaderPlace{start, line};
        if (end == lines.size())
            return std::nullopt;
        start = lines.nextLineStart(end);
    }
}

bool isCommentOrBlank(std::string_view line)
{
    const std::string_view trimmed = trimBlanks(line);
    return trimmed.empty() || trimmed.starts_with("//");
}

// The definition ends where the next header begins, its break not included.
// Comments right above that header are the next definition's, as a banner is.
std::size_t definitionEnd(const TextLines& lines, std::size_t headerStart)
{
    std::size_t end = lines.lineEnd(headerStart);
    std::size_t contentEnd = end;
    while (end < lines.size()) {
        const std::size_t next = lines.nextLineStart(end);
        const std::string_view line = lines.line(next);
        if (isHeaderLine(line))
            return contentEnd;
        end = next + line.size();
        if (!isCommentOrBlank(line))
            contentEnd = end;
    }
    return end;
}

} // namespace

bool isHeaderLine(std::string_view line)
{
    const std::string_view trimmed = trimBlanks(line);
    return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

std::optional<std::string_view> headerIdentifier(std::string_view line, const DefinitionKind& kind)
{
    if (!isHeaderLine(line))
        return std::nullopt;
    std::string_view inside = trimBlanks(line);
    inside = inside.substr(1, inside.size() - 2);
    inside.remove_prefix(std::min(inside.size(), inside.find_first_not_of(" \t")));
    if (!startsIgnoringCase(inside, kind.section))
        return std::nullopt;
    inside.remove_prefix(kind.section.size());
    const std::size_t identifierStart = inside.find_first_not_of(" \t");
    if (identifierStart == 0 || identifierStart == std::string_view::npos)
        return std::nullopt;
    inside.remove_prefix(identifierStart);
    if (!startsIgnoringCase(inside, kind.identifierPrefix))
        return std::nullopt;
    return inside.substr(kind.identifierPrefix.size());
}

std::optional<DefinitionText> definitionAt(std::string_view script, std::size_t caretLine, const DefinitionKind& kind)
{
    const TextLines lines(script);
    const TextLines::Place caret = lines.lineStart(caretLine);
    std::optional<HeaderPlace> header = headerAtOrAbove(lines, caret.start, caret.line);
    if (!header)
        header = firstHeaderOfKind(lines, kind);
    if (!header)
        return std::nullopt;
    const std::optional<std::string_view> identifier = headerIdentifier(lines.line(header->start), kind);
    if (!identifier)
        return std::nullopt;
    const std::size_t end = definitionEnd(lines, header->start);
    return DefinitionText{script.substr(header->start, end - header->start), header->line, *identifier};
}

} // namespace defwright
