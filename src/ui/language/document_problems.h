#pragma once

#include "core/language/script_problem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace defwright {

/// The problems of one document as its pane's checker last found them, kept
/// through the edits made since, and what of the text is to be checked
/// again: nothing, the range the edits changed, or all of it.
class DocumentProblems {
public:
    /// An edit of the text: `removed` bytes at `position` became `inserted` bytes.
    struct Edit {
        std::size_t position = 0;
        std::size_t removed = 0;
        std::size_t inserted = 0;
    };

    /// An edit was made; `structural` when it may have made or unmade a
    /// header, so that every section after it may have changed.
    void edited(const Edit& edit, bool structural);
    /// The whole text is to be checked again, as when it changed unseen.
    void checkAllAgain();

    [[nodiscard]] bool wantsWholeCheck() const { return whole_; }
    /// The bytes the edits since the last check put in or took out, in the text as it is now.
    [[nodiscard]] const std::optional<TextSpan>& changedRange() const { return changed_; }
    /// Counts the edits, so a check of the text as it was can be told from one of the text as it is.
    [[nodiscard]] std::uint64_t version() const { return version_; }

    /// A check of the whole text as it stood at `version`; `end` is where an
    /// [EOF] line begins, if the text has one. False, and nothing changes,
    /// when the text was edited since.
    bool takeWhole(std::vector<ScriptProblem> problems, std::optional<std::size_t> end, std::uint64_t version);
    /// A check of `checked`, whole sections of the text as it is now: its
    /// problems replace those that began there.
    void takeSections(TextSpan checked, std::vector<ScriptProblem> problems);

    /// The problems, their spans and fixes moved with the edits since they
    /// were found, in the order of their spans.
    [[nodiscard]] const std::vector<ScriptProblem>& problems();
    /// Where the server stops reading, moved likewise; none without an [EOF].
    [[nodiscard]] std::optional<std::size_t> end();

    /// The first problem whose span begins after `position`, else the first of all; none without problems.
    [[nodiscard]] const ScriptProblem* next(std::size_t position);
    /// The last problem whose span begins before `position`, else the last of all.
    [[nodiscard]] const ScriptProblem* previous(std::size_t position);

private:
    void settle();

    std::vector<ScriptProblem> problems_;
    std::vector<Edit> edits_; // made since problems_ and end_ were moved last
    std::optional<std::size_t> end_;
    std::optional<TextSpan> changed_;
    bool whole_ = true;
    std::uint64_t version_ = 0;
};

} // namespace defwright
