#include "core/script/definition_text.h"

#include "core/script/ascii_case.h"
#include "core/script/text_lines.h"

namespace defwright {
namespace {

std::optional<std::size_t> headerAtOrAbove(std::string_view script, std::size_t start)
{
    const TextLines lines(script);
    while (scriptLineAt(script, start).kind != LineKind::Header) {
        if (start == 0)
            return std::nullopt;
        start = lines.previousLineStart(start);
    }
    return start;
}

std::optional<DefinitionPlace> firstOfKind(std::string_view script, const DefinitionKind& kind)
{
    for (std::size_t start = 0;;) {
        const ScriptLine line = scriptLineAt(script, start);
        if (line.kind == LineKind::Header) {
            if (std::optional<DefinitionPlace> place = headerPlace(script, line, kind))
                return place;
        }
        if (line.isLast())
            return std::nullopt;
        start = line.next();
    }
}

bool isContent(LineKind kind)
{
    return kind != LineKind::Blank && kind != LineKind::Comment;
}

std::size_t definitionEnd(std::string_view script, const ScriptLine& header)
{
    std::size_t end = header.text.end;
    for (ScriptLine line = header; !line.isLast();) {
        line = scriptLineAt(script, line.next());
        if (line.kind == LineKind::Header)
            break;
        if (isContent(line.kind))
            end = line.text.end;
    }
    return end;
}

} // namespace

std::optional<DefinitionPlace> headerPlace(std::string_view script, const ScriptLine& header,
                                           const DefinitionKind& kind)
{
    if (header.kind != LineKind::Header)
        return std::nullopt;
    const std::string_view words = header.key.of(script);
    const std::size_t sectionEnd = std::min(words.size(), words.find_first_of(" \t"));
    if (!equalsIgnoringCase(words.substr(0, sectionEnd), kind.section))
        return std::nullopt;
    DefinitionPlace place;
    place.start = header.start();
    std::size_t identifier = header.key.start + sectionEnd;
    while (identifier < header.key.end && isBlank(script[identifier]))
        ++identifier;
    place.prefixed = startsIgnoringCase(script.substr(identifier, header.key.end - identifier), kind.identifierPrefix);
    if (place.prefixed)
        identifier += kind.identifierPrefix.size();
    place.identifier = {identifier, header.key.end};
    return place;
}

std::optional<DefinitionPlace> definitionAtHeader(std::string_view script, std::size_t headerStart,
                                                  const DefinitionKind& kind)
{
    if (headerStart > script.size() || lineStartAt(script, headerStart) != headerStart)
        return std::nullopt;
    const ScriptLine header = scriptLineAt(script, headerStart);
    std::optional<DefinitionPlace> place = headerPlace(script, header, kind);
    if (place)
        place->end = definitionEnd(script, header);
    return place;
}

std::optional<DefinitionPlace> definitionAt(std::string_view script, std::size_t caret, const DefinitionKind& kind)
{
    if (const std::optional<std::size_t> header = headerAtOrAbove(script, lineStartAt(script, caret)))
        return definitionAtHeader(script, *header, kind);
    const std::optional<DefinitionPlace> first = firstOfKind(script, kind);
    return first ? definitionAtHeader(script, first->start, kind) : std::nullopt;
}

} // namespace defwright
