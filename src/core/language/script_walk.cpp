#include "core/language/script_walk.h"

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
    place_ = placer_.place(text_, line_);
    return true;
}

bool ScriptWalk::nextPassingOverPlainLines()
{
    while (!ended_ && !placer_.atEnd()) {
        std::size_t at = next_;
        while (at < text_.size() && isBlank(text_[at]))
            ++at;
        if (!placer_.passesOver(at < text_.size() ? text_[at] : '\0'))
            break;
        while (at < text_.size() && text_[at] != '\n' && text_[at] != '\r')
            ++at;
        if (at == text_.size())
            ended_ = true;
        else
            next_ = at + (text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n' ? 2 : 1);
    }
    return next();
}

} // namespace defwright
