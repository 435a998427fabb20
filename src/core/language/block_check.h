#pragma once

#include "core/language/script_problem.h"
#include "core/language/statement_word.h"

#include <string_view>
#include <vector>

namespace defwright {

/// Follows the blocks of one body of code (a trigger's or a function's),
/// statement by statement, and reports what does not pair: an opener never
/// closed, a closer with no opener, an ELSE outside an IF, the wrong closer.
/// Where a fault has two ends, both are marked. Open blocks are kept in a
/// list, not on the call stack, so any depth of nesting is safe.
class BlockCheck {
public:
    BlockCheck(std::string_view text, std::vector<ScriptProblem>& problems)
        : text_(text)
        , problems_(problems)
    {
    }

    /// A line of code that is neither blank nor a comment, from its first word to its comment.
    void code(TextSpan line, const std::optional<Statement>& statement);

    /// The body ends: what is still open was never closed.
    void finish();

private:
    struct OpenBlock {
        BlockKind block;
        TextSpan word;
    };

    void close(const Statement& statement);
    void closeUpTo(std::size_t depth, const Statement& statement);
    [[nodiscard]] std::string neverClosed(std::size_t depth);
    void report(TextSpan span, std::string message);
    [[nodiscard]] std::string word(TextSpan span) const;

    std::string_view text_;
    std::vector<ScriptProblem>& problems_;
    std::vector<OpenBlock> open_;
    TextSpan lastCode_;
};

} // namespace defwright
