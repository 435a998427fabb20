#pragma once

#include "core/language/block_check.h"
#include "core/language/folder_vocabulary.h"
#include "core/language/script_problem.h"
#include "core/language/script_walk.h"

#include <optional>
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
    // With "did you mean" and its fix when a candidate is near enough, else with `otherwise` after the message.
    void reportUnknown(TextSpan word, Severity severity, const std::string& message,
                       const std::vector<std::string_view>& candidates, std::string_view otherwise = {});

    std::string_view text_;
    const FolderVocabulary& vocabulary_;
    std::vector<ScriptProblem> problems_;
    BlockCheck blocks_;
    std::optional<SectionKind> kind_;
};

} // namespace defwright
