#include "core/npcs/npc_reader.h"

#include "core/npcs/npc_tables.h"
#include "core/script/field_targets.h"
#include "core/script/range_text.h"
#include "core/script/text_lines.h"

#include <algorithm>

namespace defwright {
namespace {

void addTargets(FieldTargets& targets, NpcRecord& npc)
{
    for (std::size_t i = 0; i < npc.basic.size(); ++i)
        targets.add(kNpcBasicKeys[i], &npc.basic[i], false);
    for (std::size_t i = 0; i < npc.lists.size(); ++i)
        targets.add(kNpcListKeys[i], &npc.lists[i], false);
    targets.add(kNpcBrainKey, &npc.brain, true);
    for (std::size_t i = 0; i < npc.stats.size(); ++i)
        targets.addRange(kNpcStatKeys[i], &npc.stats[i].low, &npc.stats[i].high, true);
    for (std::size_t i = 0; i < npc.creation.size(); ++i)
        targets.add(kNpcCreationKeys[i], &npc.creation[i], true);
}

bool isListedSkill(std::string_view name)
{
    return std::any_of(kSkills.begin(), kSkills.end(),
                       [name](std::string_view skill) { return equalsIgnoringCase(skill, name); });
}

// The skill slots fill in order. The generator writes the skills last in the
// creation block, so there any NAME={low high} line is one; elsewhere only a
// skill of the list is taken for one.
class SkillSlots {
public:
    explicit SkillSlots(NpcRecord& npc)
        : slots_(npc.skills)
    {
    }

    bool take(const KeyedLine& line)
    {
        if (next_ == slots_.size() || (!line.inCreateBlock && !isListedSkill(line.key)))
            return false;
        if (const std::optional<SkillLine> skill = splitSkillLine(line.text))
            return fill(skill->name, skill->values);
        if (!isListedSkill(line.key))
            return false;
        return fill(line.key, splitRange(line.value, true));
    }

private:
    bool fill(std::string_view name, const RangeText& values)
    {
        slots_[next_++] = {std::string(name), std::string(values.low), std::string(values.high)};
        return true;
    }

    std::array<SkillSlot, NpcRecord::kSkillCount>& slots_;
    std::size_t next_ = 0;
};

} // namespace

std::optional<NpcReading> readNpcDefinition(std::string_view script, std::size_t caretLine)
{
    constexpr DefinitionKind kKind = definitionKind(kNpcHeaderCaption);
    const std::optional<DefinitionText> definition = definitionAt(script, caretLine, kKind);
    if (!definition)
        return std::nullopt;
    NpcReading reading;
    reading.record.brain.clear();
    reading.record.identifier = definition->identifier;
    FieldTargets targets;
    addTargets(targets, reading.record);
    SkillSlots skills(reading.record);
    reading.unheld = DefinitionReader::read(*definition, [&targets, &skills](const KeyedLine& line) {
        switch (targets.fill(line.key, line.value, line.inCreateBlock)) {
        case FieldTargets::Fill::Filled:
            return true;
        case FieldTargets::Fill::Taken:
            return false;
        case FieldTargets::Fill::Unknown:
            break;
        }
        return skills.take(line);
    });
    return reading;
}

} // namespace defwright
