#include "core/script/definition_lines.h"

#include "core/script/ascii_case.h"
#include "core/script/script_text.h"
#include "core/script/text_lines.h"

#include <algorithm>

namespace defwright {
namespace {

enum class Block : std::uint8_t { Definition, Create, OtherTrigger };

// "ON=@CREATE" split as any trigger line is: what follows the "=".
constexpr std::string_view kCreateTrigger = kCreateLine.substr(kCreateLine.find('=') + 1);

std::string_view withoutEquals(std::string_view key)
{
    return key.ends_with('=') ? key.substr(0, key.size() - 1) : key;
}

class SlotFiller {
public:
    SlotFiller(std::string_view script, const DefinitionLayout& layout, DefinitionLines& lines)
        : script_(script)
        , layout_(layout)
        , lines_(lines)
    {
        lines_.slotLines.assign(layout.lineSlots.size(), std::nullopt);
    }

    bool take(const ScriptLine& line, bool inCreateBlock)
    {
        const std::string_view key = line.key.of(script_);
        for (std::size_t slot = 0; slot < layout_.lineSlots.size(); ++slot) {
            const LineSlot& candidate = layout_.lineSlots[slot];
            if (candidate.form != SlotForm::Skill && candidate.inCreateBlock == inCreateBlock
                && equalsIgnoringCase(withoutEquals(candidate.key), key))
                return fill(slotGroup(layout_, slot), line, !line.value.empty());
        }
        if (!inCreateBlock || !isSkillLine(key))
            return false;
        const auto skill = std::find_if(layout_.lineSlots.begin(), layout_.lineSlots.end(),
                                        [](const LineSlot& slot) { return slot.form == SlotForm::Skill; });
        if (skill == layout_.lineSlots.end())
            return false;
        return fill(slotGroup(layout_, static_cast<std::size_t>(skill - layout_.lineSlots.begin())), line, true);
    }

private:
    // Real scripts give many other NAME={low high} lines in the creation block
    // (MAXHITS, RESFIRE), so only a listed skill's name makes a line a skill's.
    bool isSkillLine(std::string_view key) const
    {
        return std::any_of(layout_.skillNames.begin(), layout_.skillNames.end(),
                           [key](std::string_view name) { return equalsIgnoringCase(name, key); });
    }

    // In a group of several boxes the k-th filled box is the k-th line, so a
    // line that would fill a box with nothing fills none.
    bool fill(SlotGroup group, const ScriptLine& line, bool hasValue)
    {
        if (group.end - group.first > 1 && !hasValue)
            return false;
        for (std::size_t slot = group.first; slot < group.end; ++slot) {
            if (!lines_.slotLines[slot]) {
                lines_.slotLines[slot] = line;
                return true;
            }
        }
        return false;
    }

    std::string_view script_;
    const DefinitionLayout& layout_;
    DefinitionLines& lines_;
};

} // namespace

DefinitionLines readDefinitionLines(std::string_view script, const DefinitionPlace& place,
                                    const DefinitionLayout& layout)
{
    DefinitionLines lines{place, scriptLineAt(script, place.start), std::nullopt, {}, {}};
    SlotFiller filler(script, layout, lines);
    Block block = Block::Definition;
    for (ScriptLine line = lines.header; !line.isLast() && line.next() <= place.end;) {
        line = scriptLineAt(script, line.next());
        if (line.kind == LineKind::Blank || line.kind == LineKind::Comment)
            continue;
        if (line.kind == LineKind::Trigger) {
            const bool opensCreate = !lines.createLine && equalsIgnoringCase(line.value.of(script), kCreateTrigger);
            block = opensCreate ? Block::Create : Block::OtherTrigger;
            if (opensCreate) {
                lines.createLine = line;
                continue;
            }
        } else if (line.kind == LineKind::Keyed && block != Block::OtherTrigger
                   && filler.take(line, block == Block::Create)) {
            continue;
        }
        lines.unheld.push_back(line.start());
    }
    return lines;
}

RangeSpans slotRange(std::string_view script, const LineSlot& slot, const ScriptLine& line)
{
    return splitRange(script, line.value, slot.form == SlotForm::Skill);
}

SlotValues slotValues(std::string_view script, const LineSlot& slot, const ScriptLine& line)
{
    if (slot.form == SlotForm::Plain)
        return {{}, line.value.of(script), {}};
    const RangeSpans range = slotRange(script, slot, line);
    const std::string_view name = slot.form == SlotForm::Skill ? line.key.of(script) : std::string_view();
    return {name, range.low.of(script), range.high.of(script)};
}

std::vector<UnheldLine> unheldLines(std::string_view script, const DefinitionLines& lines)
{
    std::vector<UnheldLine> unheld;
    std::size_t number = 0;
    std::size_t counted = 0;
    for (const std::size_t start : lines.unheld) {
        number += TextLines(script.substr(counted)).lineAt(start - counted);
        counted = start;
        unheld.push_back({number + 1, std::string(scriptLineAt(script, start).text.of(script))});
    }
    return unheld;
}

} // namespace defwright
