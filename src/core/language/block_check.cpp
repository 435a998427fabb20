#include "core/language/block_check.h"

#include "core/language/table_lookup.h"

#include <algorithm>

namespace defwright {
namespace {

// The closers named in messages; ENDDO stands for ENDRAND and ENDSWITCH as well.
std::string_view closerOf(BlockKind block)
{
    switch (block) {
    case BlockKind::If: return "ENDIF";
    case BlockKind::While: return "ENDWHILE";
    case BlockKind::For: return "ENDFOR";
    case BlockKind::Do: return "ENDDO";
    case BlockKind::Begin: return "END";
    case BlockKind::None: break;
    }
    return {};
}

std::string_view openerOf(BlockKind block)
{
    switch (block) {
    case BlockKind::If: return "IF";
    case BlockKind::While: return "WHILE";
    case BlockKind::For: return "FOR";
    case BlockKind::Do: return "DORAND or DOSWITCH";
    case BlockKind::Begin: return "BEGIN";
    case BlockKind::None: break;
    }
    return {};
}

constexpr std::size_t kClosersNamed = 3;

} // namespace

void BlockCheck::code(TextSpan line, const std::optional<Statement>& statement)
{
    lastCode_ = line;
    if (!statement || statement->role == StatementRole::Plain)
        return;
    if (statement->role == StatementRole::Open) {
        open_.push_back({statement->block, statement->word});
    } else if (statement->role == StatementRole::Else) {
        if (open_.empty() || open_.back().block != BlockKind::If)
            report(statement->word, word(statement->word) + " outside an IF");
    } else {
        close(*statement);
    }
}

void BlockCheck::close(const Statement& statement)
{
    const std::string closer = word(statement.word);
    if (open_.empty()) {
        report(statement.word, closer + " with no " + std::string(openerOf(statement.block)) + " open");
        return;
    }
    const auto match = std::find_if(open_.rbegin(), open_.rend(),
                                    [&statement](const OpenBlock& open) { return open.block == statement.block; });
    if (match == open_.rbegin()) {
        open_.pop_back();
    } else if (match != open_.rend()) {
        closeUpTo(static_cast<std::size_t>(open_.rend() - match), statement);
    } else {
        // No block of its kind is open: taken as a mistyped closer of the innermost one.
        const OpenBlock inner = open_.back();
        const std::string expected(closerOf(inner.block));
        report(statement.word, closer + " closes " + word(inner.word) + ": " + expected + " expected");
        report(inner.word, word(inner.word) + " closed by " + closer + ": " + expected + " expected");
        open_.pop_back();
    }
}

// The closer pairs with the block at `depth` - 1; those inside it were never closed.
void BlockCheck::closeUpTo(std::size_t depth, const Statement& statement)
{
    const std::string missing = neverClosed(depth);
    report(statement.word, word(statement.word) + " reached with " + missing + " missing inside");
    open_.resize(depth - 1);
}

void BlockCheck::finish()
{
    if (open_.empty())
        return;
    const TextSpan innermost = open_.back().word;
    const std::string missing = neverClosed(0);
    // An opener on the last line of the code is its own end.
    if (lastCode_.start != innermost.start)
        report(lastCode_, missing + " missing: the code ends here");
    open_.clear();
}

// Reports the blocks from `depth` on as never closed, and names their closers, innermost first.
std::string BlockCheck::neverClosed(std::size_t depth)
{
    std::string missing;
    for (std::size_t i = open_.size(); i-- > depth;) {
        const std::string_view closer = closerOf(open_[i].block);
        report(open_[i].word, word(open_[i].word) + " never closed: " + std::string(closer) + " missing");
        if (open_.size() - i <= kClosersNamed)
            missing += (missing.empty() ? "" : ", ") + std::string(closer);
    }
    if (open_.size() - depth > kClosersNamed)
        missing += " and " + std::to_string(open_.size() - depth - kClosersNamed) + " more";
    return missing;
}

void BlockCheck::report(TextSpan span, std::string message)
{
    problems_.push_back({span, Severity::Error, std::move(message), std::nullopt});
}

std::string BlockCheck::word(TextSpan span) const
{
    return upperCase(span.of(text_));
}

} // namespace defwright
