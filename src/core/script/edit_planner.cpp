#include "core/script/edit_planner.h"

#include "core/script/ascii_case.h"
#include "core/script/line_removal.h"
#include "core/script/script_text.h"

#include <algorithm>

namespace defwright {
namespace {

class Planner {
public:
    Planner(std::string_view script, const DefinitionLines& lines, const DefinitionLayout& layout,
            const FieldChange& change)
        : script_(script)
        , lines_(lines)
        , layout_(layout)
        , change_(change)
    {
    }

    TextEdit plan() const
    {
        if (change_.field.slot == FieldId::kIdentifier)
            return identifier();
        if (const std::optional<ScriptLine> line = ownLine())
            return keptApart(onLine(*line));
        return newLine();
    }

private:
    const LineSlot& slot() const { return layout_.lineSlots[change_.field.slot]; }

    // A "/" typed next to a "/" of the line would begin a comment that swallows the value.
    TextEdit keptApart(TextEdit edit) const
    {
        if (edit.replacement.ends_with('/') && edit.end < script_.size() && script_[edit.end] == '/')
            edit.replacement += ' ';
        if (edit.replacement.starts_with('/') && edit.start > 0 && script_[edit.start - 1] == '/')
            edit.replacement.insert(0, " ");
        return edit;
    }

    SlotValues after() const
    {
        SlotValues values = change_.before;
        if (change_.field.part == FieldPart::Name)
            values.name = change_.value;
        else if (change_.field.part == FieldPart::High)
            values.high = change_.value;
        else
            values.value = change_.value;
        return values;
    }

    // In a group of several boxes a box has a line only when it was written,
    // and then it is the group's line of its rank.
    std::optional<ScriptLine> ownLine() const
    {
        if (slot().form == SlotForm::Skill)
            return skillLine(box());
        const SlotGroup group = slotGroup(layout_, change_.field.slot);
        if (group.end - group.first == 1)
            return lines_.slotLines[change_.field.slot];
        if (!isWritten(slot().form, change_.before) || group.first + change_.rank >= group.end)
            return std::nullopt;
        return lines_.slotLines[group.first + change_.rank];
    }

    std::size_t box() const { return change_.field.slot - slotGroup(layout_, change_.field.slot).first; }

    bool isListed(std::string_view name) const
    {
        return std::any_of(layout_.skillNames.begin(), layout_.skillNames.end(),
                           [name](std::string_view skill) { return equalsIgnoringCase(skill, name); });
    }

    // The k-th skill box of a name has the k-th line of that name in the
    // creation block: a listed skill's, or a braced one no other slot reads.
    std::optional<ScriptLine> skillLine(std::size_t box) const
    {
        const std::string_view name = box < change_.group.size() ? change_.group[box].name : std::string_view();
        if (name.empty() || !lines_.createLine)
            return std::nullopt;
        std::size_t occurrence = 0;
        for (std::size_t other = 0; other < box; ++other)
            occurrence += equalsIgnoringCase(change_.group[other].name, name) ? 1 : 0;
        for (ScriptLine line = *lines_.createLine; !line.isLast() && line.next() <= lines_.place.end;) {
            line = scriptLineAt(script_, line.next());
            if (line.kind == LineKind::Trigger)
                break;
            if (line.kind == LineKind::Keyed && isSkillNamed(line, name) && occurrence-- == 0)
                return line;
        }
        return std::nullopt;
    }

    bool isSkillNamed(const ScriptLine& line, std::string_view name) const
    {
        if (!equalsIgnoringCase(line.key.of(script_), name))
            return false;
        for (std::size_t slot = 0; slot < layout_.lineSlots.size(); ++slot) {
            if (layout_.lineSlots[slot].form != SlotForm::Skill && lines_.slotLines[slot]
                && lines_.slotLines[slot]->start() == line.start())
                return false;
        }
        return isListed(name) || isBracedRange(line.value.of(script_));
    }

    // Where the old text stands, when the line holds it with blanks at its ends
    // that the grammar leaves out of the span (a name being typed ends with one
    // for a moment); otherwise the span itself.
    TextSpan typedRegion(TextSpan span, std::string_view old, std::size_t otherStart, std::size_t limit) const
    {
        for (const std::size_t start : {span.start, otherStart}) {
            const std::size_t end = start + old.size();
            if (start <= span.start && end >= span.end && end <= limit && script_.substr(start, old.size()) == old)
                return {start, end};
        }
        return span;
    }

    TextEdit identifier() const
    {
        const TextSpan id = lines_.place.identifier;
        const std::size_t close = lines_.header.section.end - 1;
        if (id.empty() && !lines_.place.prefixed && !isBlank(script_[id.start - 1]))
            return {id.start, id.end, " " + std::string(change_.value)};
        const TextSpan region = typedRegion(id, change_.before.value, id.start, close);
        return {region.start, region.end, std::string(change_.value)};
    }

    TextEdit onLine(const ScriptLine& line) const
    {
        const SlotValues values = after();
        const FieldPart part = change_.field.part;
        const bool decides = part == FieldPart::Name || part == FieldPart::Value
            || (part == FieldPart::Low && slot().form == SlotForm::Range);
        const bool empty = values.name.empty() && values.value.empty() && values.high.empty();
        if (!isWritten(slot().form, values) && (decides || empty))
            return removal(line);
        const std::string value(change_.value);
        if (part == FieldPart::Value) {
            // One blank of the gap before a comment is always left to it.
            const std::size_t limit = line.comment.empty() ? line.text.end : line.comment.start - 1;
            const TextSpan region = typedRegion(line.value, change_.before.value, line.equals + 1, limit);
            return {region.start, region.end, value};
        }
        if (part == FieldPart::Name)
            return renamed(line);
        const RangeSpans range = slotRange(script_, slot(), line);
        if (part == FieldPart::Low && value.empty() && !range.braced)
            return {line.value.start, line.value.end, bracedRange({}, values.high)}; // "a b" would read as "b"
        if (part == FieldPart::Low)
            return {range.low.start, range.low.end, value};
        return highChanged(line, range);
    }

    TextEdit highChanged(const ScriptLine& line, const RangeSpans& range) const
    {
        const std::string high(change_.value);
        if (high.empty())
            return range.separated ? TextEdit{range.separator.start, range.high.end, {}} : TextEdit{};
        if (range.separated)
            return {range.high.start, range.high.end, high};
        if (range.low.empty() && slot().form == SlotForm::Range)
            return {}; // "{ high}" would read as a low value, and without one the line says nothing
        if (range.braced)
            return {range.high.start, range.high.start, " " + high};
        return {line.value.start, line.value.end, bracedRange(range.low.of(script_), high)};
    }

    // A name that is not a listed skill keeps its line a skill's through braces.
    TextEdit renamed(const ScriptLine& line) const
    {
        const std::string name(change_.value);
        if (isListed(name) || isBracedRange(line.value.of(script_)))
            return {line.key.start, line.key.end, name};
        const RangeSpans range = slotRange(script_, slot(), line);
        const std::string between(script_.substr(line.key.end, line.value.start - line.key.end));
        return {line.key.start, line.value.end,
                name + between + bracedRange(range.low.of(script_), range.high.of(script_))};
    }

    TextEdit removal(const ScriptLine& line) const { return planLinesRemoval(script_, line, line); }

    std::string lineText(const SlotValues& values) const
    {
        switch (slot().form) {
        case SlotForm::Plain:
            return std::string(slot().key) + std::string(values.value);
        case SlotForm::Range:
            return std::string(slot().key)
                + (values.high.empty() ? std::string(values.value) : bracedRange(values.value, values.high));
        case SlotForm::Skill:
            break;
        }
        return std::string(values.name) + "=" + bracedRange(values.value, values.high);
    }

    TextEdit newLine() const
    {
        const SlotValues values = after();
        if (!isWritten(slot().form, values))
            return {};
        const std::string text = lineText(values);
        const std::string lineBreak(change_.lineBreak);
        std::optional<Anchor> anchor = groupAnchor();
        if (!anchor)
            anchor = blockAnchor();
        if (anchor) {
            if (anchor->after)
                return {anchor->line.text.end, anchor->line.text.end, lineBreak + text};
            return {anchor->line.start(), anchor->line.start(), text + lineBreak};
        }
        if (!slot().inCreateBlock)
            return {lines_.header.text.end, lines_.header.text.end, lineBreak + text};
        if (lines_.createLine)
            return {lines_.createLine->text.end, lines_.createLine->text.end, lineBreak + text};
        const std::size_t end = lines_.place.end;
        return {end, end, lineBreak + std::string(kCreateLine) + lineBreak + text};
    }

    struct Anchor {
        ScriptLine line;
        bool after;
    };

    // A skill's new line goes after the line of the nearest box before it that has one, else before a later one's.
    std::optional<Anchor> skillAnchor() const
    {
        for (std::size_t other = box(); other-- > 0;) {
            if (const std::optional<ScriptLine> line = skillLine(other))
                return Anchor{*line, true};
        }
        for (std::size_t other = box() + 1; other < change_.group.size(); ++other) {
            if (const std::optional<ScriptLine> line = skillLine(other))
                return Anchor{*line, false};
        }
        return std::nullopt;
    }

    // A group's new line goes after the line of the rank before it, or before its first line.
    std::optional<Anchor> groupAnchor() const
    {
        if (slot().form == SlotForm::Skill)
            return skillAnchor();
        const SlotGroup group = slotGroup(layout_, change_.field.slot);
        std::optional<Anchor> anchor;
        for (std::size_t slot = group.first; slot < group.end; ++slot) {
            if (!lines_.slotLines[slot])
                break;
            if (slot - group.first >= change_.rank)
                return anchor ? anchor : Anchor{*lines_.slotLines[slot], false};
            anchor = Anchor{*lines_.slotLines[slot], true};
        }
        return anchor;
    }

    std::optional<Anchor> blockAnchor() const
    {
        const SlotGroup group = slotGroup(layout_, change_.field.slot);
        for (std::size_t slot = group.first; slot-- > 0;) {
            if (layout_.lineSlots[slot].inCreateBlock == this->slot().inCreateBlock && lines_.slotLines[slot])
                return Anchor{*lines_.slotLines[slot], true};
        }
        for (std::size_t slot = group.end; slot < layout_.lineSlots.size(); ++slot) {
            if (layout_.lineSlots[slot].inCreateBlock == this->slot().inCreateBlock && lines_.slotLines[slot])
                return Anchor{*lines_.slotLines[slot], false};
        }
        return std::nullopt;
    }

    std::string_view script_;
    const DefinitionLines& lines_;
    const DefinitionLayout& layout_;
    const FieldChange& change_;
};

} // namespace

TextEdit planFieldEdit(std::string_view script, const DefinitionLines& lines, const DefinitionLayout& layout,
                       const FieldChange& change)
{
    return Planner(script, lines, layout, change).plan();
}

} // namespace defwright
