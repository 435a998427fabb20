// libFuzzer target for the checker of scripts and the folder's vocabulary.
// Built with clang by run_fuzzer.sh; any broken property aborts.
#include "core/language/folder_vocabulary.h"
#include "core/language/script_check.h"
#include "core/language/script_walk.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

// Every problem lies in the text, in order; its fix applies there and the
// fixed text can be checked again.
void checkProblems(std::string_view text, const std::vector<ScriptProblem>& problems, const FolderVocabulary& vocabulary)
{
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const ScriptProblem& problem = problems[i];
        check(problem.span.start < problem.span.end && problem.span.end <= text.size());
        check(!problem.message.empty());
        check(i == 0 || problems[i - 1].span.start <= problem.span.start);
        if (problem.fix && i < 8) {
            check(problem.fix->start <= problem.fix->end && problem.fix->end <= text.size());
            static_cast<void>(checkScript(applyEdit(text, *problem.fix), vocabulary));
        }
    }
}

// Where the server stops reading: after [EOF], or at the text's end.
std::size_t readingEnd(std::string_view text)
{
    ScriptWalk walk(text);
    std::size_t end = 0;
    while (walk.next())
        end = walk.line().next();
    return end;
}

// The section around a byte, checked alone, has the problems the whole check finds in it.
void checkSectionAlone(std::string_view text, std::size_t position, const std::vector<ScriptProblem>& whole,
                       const FolderVocabulary& vocabulary)
{
    const TextSpan section = sectionAt(text, position);
    check(section.start <= std::min(position, text.size()) && section.end <= text.size());
    if (section.start >= readingEnd(text) && !text.empty())
        return;
    std::vector<ScriptProblem> inSection;
    std::copy_if(whole.begin(), whole.end(), std::back_inserter(inSection), [&](const ScriptProblem& problem) {
        return problem.span.start >= section.start && problem.span.start < section.end;
    });
    check(checkSection(text, section, vocabulary) == inSection);
}

// The walk that passes over plain lines gives every other line of the full
// walk, in its place; what it passes over is plain code, text or a title.
void checkPassingOver(std::string_view text)
{
    ScriptWalk all(text);
    ScriptWalk passing(text);
    while (passing.nextPassingOverPlainLines()) {
        check(all.next());
        while (all.line().start() != passing.line().start()) {
            const LinePlace place = all.place();
            check(place == LinePlace::Code || place == LinePlace::Text || place == LinePlace::Title
                  || place == LinePlace::Outside);
            check(!isTriggerLine(text, all.line()) && all.line().kind != LineKind::Header);
            check(all.next());
        }
        check(all.place() == passing.place() && all.kindWord() == passing.kindWord());
    }
    while (all.next())
        check(all.place() != LinePlace::Header && all.place() != LinePlace::Keys && !isTriggerLine(text, all.line()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    FolderVocabulary vocabulary;
    checkPassingOver(text);
    addScriptVocabulary(vocabulary, text);
    addScriptVocabulary(vocabulary, text);
    addScriptVocabulary(vocabulary, text);
    const std::vector<ScriptProblem> problems = checkScript(text, vocabulary);
    checkProblems(text, problems, vocabulary);
    checkSectionAlone(text, size / 2, problems, vocabulary);
    FolderVocabulary once;
    addScriptVocabulary(once, text);
    removeVocabulary(vocabulary, once);
    removeVocabulary(vocabulary, once);
    removeVocabulary(vocabulary, once);
    check(vocabulary == FolderVocabulary());
    return 0;
}
