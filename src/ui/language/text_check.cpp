#include "ui/language/text_check.h"

#include "core/language/script_check.h"
#include "core/language/section_kind.h"

#include <cstring>

namespace defwright {
namespace {

// Only a "[" that stands first on its line, blanks aside, may begin the [EOF]
// line, so only those are looked at.
std::optional<std::size_t> endOf(std::string_view text)
{
    for (std::size_t at = 0; at < text.size(); ++at) {
        const void* found = std::memchr(text.data() + at, '[', text.size() - at);
        if (found == nullptr)
            break;
        at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        std::size_t start = at;
        while (start > 0 && isBlank(text[start - 1]))
            --start;
        if (start > 0 && text[start - 1] != '\n' && text[start - 1] != '\r')
            continue;
        const ScriptLine line = scriptLineAt(text, start);
        const std::optional<SectionKind> kind =
            line.kind == LineKind::Header ? sectionKind(line.key.of(text)) : std::nullopt;
        if (kind && kind->body == SectionBody::EndOfFile)
            return start;
    }
    return std::nullopt;
}

} // namespace

TextCheck checkWholeText(std::string_view text, const FolderVocabulary& vocabulary)
{
    return {checkScript(text, vocabulary), endOf(text)};
}

std::vector<ScriptProblem> checkSectionsAt(std::string_view sections, std::size_t offset,
                                           const FolderVocabulary& vocabulary)
{
    std::vector<ScriptProblem> problems = checkSection(sections, {0, sections.size()}, vocabulary);
    for (ScriptProblem& problem : problems) {
        problem.span = {problem.span.start + offset, problem.span.end + offset};
        if (problem.fix) {
            problem.fix->start += offset;
            problem.fix->end += offset;
        }
    }
    return problems;
}

bool beginsAsHeader(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '[';
}

} // namespace defwright
