#include "core/items/item_script.h"

#include "core/items/item_tables.h"
#include "core/script/script_text.h"
#include "core/script/script_writer.h"

#include <cstddef>
#include <utility>

namespace defwright {
namespace {

std::size_t valueBytes(const ItemRecord& item)
{
    std::size_t bytes = item.identifier.size() + item.type.size() + item.hitPointsLow.size()
        + item.hitPointsHigh.size() + item.color.size();
    for (const auto& value : item.basic)
        bytes += value.size();
    for (const auto& value : item.axis)
        bytes += value.size();
    return bytes;
}

// Banner, header, basic lines, type line, the always-written break and the axis
// lines: the part shared by the full script and the focus script.
void writeDefinition(ScriptWriter& out, const ItemRecord& item)
{
    writeBanner(out);
    out.writeLine({kItemHeaderCaption, item.identifier, kItemHeaderEnd});
    for (std::size_t i = 0; i < item.basic.size(); ++i)
        out.writeFieldLine(kItemBasicKeys[i], item.basic[i]);
    out.writeFieldLine(kItemTypeKey, item.type);
    out.writeLineBreak();
    for (std::size_t i = 0; i < item.axis.size(); ++i)
        out.writeFieldLine(kItemAxisKeys[i], item.axis[i]);
}

void writeCreateBlock(ScriptWriter& out, const ItemRecord& item)
{
    out.writeLineBreak();
    out.writeLine({kCreateLine});
    if (!item.hitPointsLow.empty())
        out.writeLine({kItemHitPointsKey, "{", item.hitPointsLow, " ", item.hitPointsHigh, "}"});
    out.writeFieldLine(kItemColorKey, item.color);
}

} // namespace

std::string itemScript(const ItemRecord& item)
{
    ScriptWriter out(valueBytes(item) + kScriptOverheadBytes);
    writeDefinition(out, item);
    writeCreateBlock(out, item);
    return std::move(out).release();
}

std::string itemFocusScript(const ItemRecord& item)
{
    ScriptWriter out(valueBytes(item) + kScriptOverheadBytes);
    writeDefinition(out, item);
    return std::move(out).release();
}

} // namespace defwright
