#include "core/language/script_check.h"

#include "core/language/script_checker.h"
#include "core/language/script_walk.h"

namespace defwright {

std::vector<ScriptProblem> checkScript(std::string_view text, const FolderVocabulary& vocabulary)
{
    ScriptChecker checker(text, vocabulary);
    ScriptWalk walk(text);
    while (walk.next())
        checker.check(walk);
    return checker.finish();
}

TextSpan sectionAt(std::string_view text, std::size_t position)
{
    std::size_t start = lineStartAt(text, position);
    while (start > 0 && scriptLineAt(text, start).kind != LineKind::Header)
        start = lineStartAt(text, start - 1);
    for (ScriptLine line = scriptLineAt(text, start); !line.isLast();) {
        line = scriptLineAt(text, line.next());
        if (line.kind == LineKind::Header)
            return {start, line.start()};
    }
    return {start, text.size()};
}

std::vector<ScriptProblem> checkSection(std::string_view text, TextSpan section, const FolderVocabulary& vocabulary)
{
    ScriptChecker checker(text, vocabulary);
    ScriptWalk walk(text, section.start);
    while (walk.next() && walk.line().start() < section.end)
        checker.check(walk);
    return checker.finish();
}

} // namespace defwright
