#pragma once

#include "core/language/block_check.h"
#include "core/language/folder_vocabulary.h"
#include "core/language/script_problem.h"
#include "core/language/script_walk.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <string_view>
#include <vector>

namespace defwright {

/// Checks a script line by line, as a ScriptWalk gives them: headers, the
/// keys of definitions, the triggers of ON= lines and the blocks of code.
/// Only code is read as code: lists, prose and saved instances are not checked.
class ScriptChecker {
public:
    ScriptChecker(std::string_view text, const FolderVocabulary& vocabulary);

    /// Checks the walk's line.
    void check(const ScriptWalk& walk);

    /// Ends the last body of code; the problems in the order of their spans.
    [[nodiscard]] std::vector<ScriptProblem> finish();

private:
    void header(const ScriptWalk& walk);
    void unclosedHeader(const ScriptLine& line);
    void keyLine(const ScriptLine& line);
    void bareLine(const ScriptLine& line);
    void trigger(const ScriptLine& line);
    void report(TextSpan span, Severity severity, std::string message, std::optional<TextEdit> fix = {});
    enum class WordList : std::uint8_t { Kinds, Keys, Triggers };

    // With "did you mean" and its fix when an accepted word is near enough, else with `otherwise` after the message.
    void reportUnknown(TextSpan word, Severity severity, const std::string& message, WordList list,
                       std::string_view otherwise = {});
    // The words the section being checked accepts, each list made once a check and kept by its name.
    const std::vector<std::string_view>& words(WordList list, const std::string& name);
    [[nodiscard]] std::string listName(WordList list) const;

    std::string_view text_;
    const FolderVocabulary& vocabulary_;
    std::vector<ScriptProblem> problems_;
    BlockCheck blocks_;
    std::optional<SectionKind> kind_;
    std::map<std::string, std::vector<std::string_view>, std::less<>> words_;
    std::unordered_map<std::string, std::optional<std::string_view>> nearest_; // by list and word, upper case
};

} // namespace defwright
