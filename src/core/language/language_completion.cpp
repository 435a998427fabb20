#include "core/language/language_completion.h"

#include "core/language/accepted_words.h"
#include "core/language/script_check.h"
#include "core/language/script_walk.h"
#include "core/language/table_lookup.h"

#include <algorithm>

namespace defwright {
namespace {

bool isKeyCharacter(char character)
{
    return (character >= 'A' && character <= 'Z') || (character >= 'a' && character <= 'z')
        || (character >= '0' && character <= '9') || character == '_' || character == '.';
}

bool holdsIgnoringCase(std::string_view word, std::string_view typed)
{
    for (std::size_t at = 0; at + typed.size() <= word.size(); ++at) {
        if (equalsIgnoringCase(word.substr(at, typed.size()), typed))
            return true;
    }
    return false;
}

// The walk stopped at the line that holds the caret; none past [EOF].
std::optional<ScriptWalk> walkTo(std::string_view text, std::size_t caret)
{
    ScriptWalk walk(text, sectionAt(text, caret).start);
    while (walk.next()) {
        if (walk.line().text.end >= caret)
            return walk;
    }
    return std::nullopt;
}

std::optional<LanguageCompletion> completion(TextSpan typed, std::string_view letters,
                                             const std::vector<std::string_view>& words, std::string_view suffix)
{
    LanguageCompletion offered{typed, {}};
    for (const std::string_view word : fittingWords(words, letters))
        offered.words.push_back(std::string(word) + std::string(suffix));
    if (offered.words.empty())
        return std::nullopt;
    return offered;
}

} // namespace

std::vector<std::string_view> fittingWords(const std::vector<std::string_view>& words, std::string_view typed)
{
    std::vector<std::string_view> beginning;
    std::vector<std::string_view> holding;
    for (const std::string_view word : words) {
        if (startsIgnoringCase(word, typed))
            beginning.push_back(word);
        else if (holdsIgnoringCase(word, typed))
            holding.push_back(word);
    }
    std::stable_sort(beginning.begin(), beginning.end(), lessIgnoringCase);
    std::stable_sort(holding.begin(), holding.end(), lessIgnoringCase);
    beginning.insert(beginning.end(), holding.begin(), holding.end());
    return beginning;
}

std::optional<LanguageCompletion> completionAt(std::string_view text, std::size_t caret, const FolderVocabulary& vocabulary)
{
    caret = std::min(caret, text.size());
    const std::optional<ScriptWalk> walk = walkTo(text, caret);
    if (!walk || !walk->kind() || caret < walk->line().indent.end)
        return std::nullopt;
    const ScriptLine& line = walk->line();
    if (walk->place() == LinePlace::Trigger && line.equals < caret && caret <= line.commentGap.start) {
        const TextSpan typed{line.value.start, caret};
        const std::string_view letters = typed.of(text);
        if (caret < line.value.start || (!letters.empty() && letters.front() != '@')
            || letters.find_first_of(" \t") != std::string_view::npos)
            return std::nullopt;
        return completion(typed, letters.substr(letters.empty() ? 0 : 1),
                          acceptedTriggers(walk->kind()->object, vocabulary), "");
    }
    const TextSpan typed{line.indent.end, caret};
    const std::string_view letters = typed.of(text);
    if (walk->place() != LinePlace::Keys || !std::all_of(letters.begin(), letters.end(), isKeyCharacter))
        return std::nullopt;
    // A key typed again before its "=" keeps the one it has.
    return completion(typed, letters, acceptedKeys(walk->kind()->name, vocabulary),
                      line.equals == ScriptLine::kNone ? "=" : "");
}

} // namespace defwright
