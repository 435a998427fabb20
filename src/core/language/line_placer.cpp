#include "core/language/line_placer.h"

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

LinePlace LinePlacer::place(std::string_view text, const ScriptLine& line)
{
    if (line.kind == LineKind::Header) {
        // A script writes the same kind again and again: its row is looked up once.
        const HeaderWords words = headerWords(line.key.of(text));
        if (!inSection_ || words.kind != kindWord_ || words.part != partWord_)
            kind_ = sectionKind(line.key.of(text));
        kindWord_ = words.kind;
        partWord_ = words.part;
        inSection_ = true;
        triggered_ = false;
        place_ = LinePlace::Header;
    } else if (isUnclosedHeader(text, line)) {
        place_ = LinePlace::UnclosedHeader;
    } else {
        place_ = bodyPlace(isTriggerLine(text, line));
    }
    return place_;
}

bool LinePlacer::passesOver(char first) const
{
    if (first == '[' || first == 'O' || first == 'o')
        return false;
    return !inSection_ || !kind_ || kind_->body != SectionBody::Definition || triggered_;
}

bool LinePlacer::atEnd() const
{
    return place_ == LinePlace::Header && kind_ && kind_->body == SectionBody::EndOfFile;
}

LinePlace LinePlacer::bodyPlace(bool triggerLine)
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
