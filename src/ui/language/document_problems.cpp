#include "ui/language/document_problems.h"

#include <algorithm>

namespace defwright {
namespace {

using Edit = DocumentProblems::Edit;

// Where a byte of the text before the edit stands after it; one the edit took
// out stands where the edit was. A position where text went in moves past it.
std::size_t moved(std::size_t position, const Edit& edit)
{
    if (position < edit.position)
        return position;
    if (position >= edit.position + edit.removed)
        return position - edit.removed + edit.inserted;
    return edit.position;
}

// The end of a span likewise, but one where text went in stays before it.
std::size_t movedEnd(std::size_t end, const Edit& edit)
{
    return end <= edit.position ? end : moved(end, edit);
}

TextSpan movedSpan(TextSpan span, const Edit& edit)
{
    return {moved(span.start, edit), std::max(moved(span.start, edit), movedEnd(span.end, edit))};
}

bool byStart(const ScriptProblem& problem, std::size_t position)
{
    return problem.span.start < position;
}

} // namespace

void DocumentProblems::edited(const Edit& edit, bool structural)
{
    ++version_;
    edits_.push_back(edit);
    whole_ = whole_ || structural;
    TextSpan changed{edit.position, edit.position + edit.inserted};
    if (changed_) {
        const TextSpan before = movedSpan(*changed_, edit);
        changed = {std::min(before.start, changed.start), std::max(before.end, changed.end)};
    }
    changed_ = changed;
}

void DocumentProblems::checkAllAgain()
{
    ++version_;
    whole_ = true;
}

bool DocumentProblems::takeWhole(std::vector<ScriptProblem> problems, std::optional<std::size_t> end,
                                 std::uint64_t version)
{
    if (version != version_)
        return false;
    problems_ = std::move(problems);
    end_ = end;
    edits_.clear();
    changed_.reset();
    whole_ = false;
    return true;
}

void DocumentProblems::takeSections(TextSpan checked, std::vector<ScriptProblem> problems)
{
    settle();
    const auto first = std::lower_bound(problems_.begin(), problems_.end(), checked.start, byStart);
    const auto last = std::lower_bound(first, problems_.end(), checked.end, byStart);
    const auto at = problems_.erase(first, last);
    problems_.insert(at, std::make_move_iterator(problems.begin()), std::make_move_iterator(problems.end()));
    changed_.reset();
}

const std::vector<ScriptProblem>& DocumentProblems::problems()
{
    settle();
    return problems_;
}

std::optional<std::size_t> DocumentProblems::end()
{
    settle();
    return end_;
}

const ScriptProblem* DocumentProblems::next(std::size_t position)
{
    settle();
    if (problems_.empty())
        return nullptr;
    const auto after = std::upper_bound(problems_.begin(), problems_.end(), position,
                                        [](std::size_t at, const ScriptProblem& problem) { return at < problem.span.start; });
    return after == problems_.end() ? &problems_.front() : &*after;
}

const ScriptProblem* DocumentProblems::previous(std::size_t position)
{
    settle();
    if (problems_.empty())
        return nullptr;
    const auto at = std::lower_bound(problems_.begin(), problems_.end(), position, byStart);
    return at == problems_.begin() ? &problems_.back() : &*(at - 1);
}

// Moving spans costs a pass over the problems, so it waits until they are
// needed rather than run at every key. A problem whose span an edit took
// out goes; the sections around the edit are checked again anyway.
void DocumentProblems::settle()
{
    for (const Edit& edit : edits_) {
        for (ScriptProblem& problem : problems_) {
            problem.span = movedSpan(problem.span, edit);
            if (problem.fix) {
                const TextSpan fix = movedSpan({problem.fix->start, problem.fix->end}, edit);
                problem.fix->start = fix.start;
                problem.fix->end = fix.end;
            }
        }
        std::erase_if(problems_, [](const ScriptProblem& problem) { return problem.span.empty(); });
        if (end_)
            end_ = moved(*end_, edit);
    }
    edits_.clear();
}

} // namespace defwright
