#include "core/npcs/npc_script.h"

#include "core/npcs/npc_tables.h"
#include "core/script/script_text.h"
#include "core/script/script_writer.h"

#include <cstddef>
#include <utility>

namespace defwright {
namespace {

std::size_t valueBytes(const NpcRecord& npc)
{
    std::size_t bytes = npc.identifier.size() + npc.brain.size();
    for (const auto& value : npc.basic)
        bytes += value.size();
    for (const auto& value : npc.lists)
        bytes += value.size();
    for (const auto& stat : npc.stats)
        bytes += stat.low.size() + stat.high.size();
    for (const auto& value : npc.creation)
        bytes += value.size();
    for (const auto& skill : npc.skills)
        bytes += skill.name.size() + skill.low.size() + skill.high.size();
    return bytes;
}

void writeDefinition(ScriptWriter& out, const NpcRecord& npc)
{
    writeBanner(out);
    out.writeLine({kNpcHeaderCaption, npc.identifier, kNpcHeaderEnd});
    for (std::size_t i = 0; i < npc.basic.size(); ++i)
        out.writeFieldLine(kNpcBasicKeys[i], npc.basic[i]);
    for (std::size_t i = 0; i < npc.lists.size(); ++i)
        out.writeFieldLine(kNpcListKeys[i], npc.lists[i]);
}

// A stat's low value decides whether its line is written; the high one is never tested.
void writeStats(ScriptWriter& out, const NpcRecord& npc)
{
    for (std::size_t i = 0; i < npc.stats.size(); ++i) {
        const RangeValues& stat = npc.stats[i];
        if (!stat.low.empty())
            out.writeLine({kNpcStatKeys[i], "{", stat.low, " ", stat.high, "}"});
    }
}

// A skill slot's name decides whether its line is written; its values are never tested.
void writeSkills(ScriptWriter& out, const NpcRecord& npc)
{
    for (const SkillSlot& skill : npc.skills) {
        if (!skill.name.empty())
            out.writeLine({skill.name, "={", skill.low, " ", skill.high, "}"});
    }
}

void writeCreateBlock(ScriptWriter& out, const NpcRecord& npc)
{
    out.writeLineBreak();
    out.writeLine({kCreateLine});
    out.writeLine({kNpcBrainKey, npc.brain});
    writeStats(out, npc);
    for (std::size_t i = 0; i < npc.creation.size(); ++i)
        out.writeFieldLine(kNpcCreationKeys[i], npc.creation[i]);
    writeSkills(out, npc);
}

} // namespace

std::string npcScript(const NpcRecord& npc)
{
    ScriptWriter out(valueBytes(npc) + kScriptOverheadBytes);
    writeDefinition(out, npc);
    writeCreateBlock(out, npc);
    return std::move(out).release();
}

} // namespace defwright
