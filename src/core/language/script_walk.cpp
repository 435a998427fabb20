#include "core/language/script_walk.h"

#include "core/script/text_lines.h"

namespace defwright {

ScriptWalk::ScriptWalk(std::string_view text, std::size_t start)
    : text_(text)
    , next_(start)
    , ended_(start > text.size())
{
}

bool ScriptWalk::next()
{
    if (ended_ || placer_.atEnd()) {
        ended_ = true;
        return false;
    }
    line_ = scriptLineAt(text_, next_);
    ended_ = line_.isLast();
    next_ = line_.next();
    placer_.place(text_, line_);
    return true;
}

bool ScriptWalk::nextPassingOverPlainLines()
{
    const TextLines lines(text_);
    while (!ended_ && !placer_.atEnd()) {
        std::size_t first = next_;
        while (first < text_.size() && isBlank(text_[first]))
            ++first;
        if (!placer_.passesOver(first < text_.size() ? text_[first] : '\0'))
            break;
        const std::size_t end = lines.lineEnd(first);
        ended_ = end == text_.size();
        next_ = lines.nextLineStart(end);
    }
    return next();
}

} // namespace defwright
