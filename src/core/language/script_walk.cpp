#include "core/language/script_walk.h"

#include "core/script/ascii_case.h"

namespace defwright {

bool isTriggerLine(std::string_view text, const ScriptLine& line)
{
    return line.kind == LineKind::Trigger || (line.kind == LineKind::Keyed && equalsIgnoringCase(line.key.of(text), "ON"));
}

TextSpan triggerNameOf(std::string_view text, const ScriptLine& line)
{
    std::size_t end = line.value.start;
    if (!isTriggerLine(text, line) || end == line.value.end || text[end] != '@')
        return {end, end};
    while (end < line.value.end && !isBlank(text[end]))
        ++end;
    return {line.value.start, end};
}

ScriptWalk::ScriptWalk(std::string_view text, std::size_t start)
    : text_(text)
    , next_(start)
    , ended_(start > text.size())
{
}

bool ScriptWalk::next()
{
    const bool afterEnd = place_ == LinePlace::Header && kind_ && kind_->body == SectionBody::EndOfFile;
    if (ended_ || afterEnd) {
        ended_ = true;
        return false;
    }
    line_ = scriptLineAt(text_, next_);
    ended_ = line_.isLast();
    next_ = line_.next();
    if (line_.kind == LineKind::Header) {
        kindWord_ = headerWords(line_.key.of(text_)).kind;
        kind_ = sectionKind(line_.key.of(text_));
        inSection_ = true;
        triggered_ = false;
        place_ = LinePlace::Header;
    } else if (isUnclosedHeader(text_, line_)) {
        place_ = LinePlace::UnclosedHeader;
    } else {
        place_ = bodyPlace(isTriggerLine(text_, line_));
    }
    return true;
}

LinePlace ScriptWalk::bodyPlace(bool triggerLine)
{
    if (!inSection_)
        return LinePlace::Outside;
    if (!kind_)
        return LinePlace::Text;
    const SectionBody body = kind_->body;
    const bool code = body == SectionBody::Definition || body == SectionBody::Triggers || body == SectionBody::Code;
    if (!code)
        return LinePlace::Text;
    if (triggerLine) {
        triggered_ = true;
        return LinePlace::Trigger;
    }
    if (triggered_ || body == SectionBody::Code)
        return LinePlace::Code;
    return body == SectionBody::Definition ? LinePlace::Keys : LinePlace::Title;
}

} // namespace defwright
