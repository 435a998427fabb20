#include "core/script/script_text.h"

#include "core/script/script_writer.h"

#include <utility>

namespace defwright {

void writeBanner(ScriptWriter& out)
{
    out.writeFirstLine({kBannerLines[0]});
    out.writeLine({kBannerLines[1]});
    out.writeLine({kBannerLines[2]});
}

std::string bannerText()
{
    ScriptWriter out;
    writeBanner(out);
    return std::move(out).release();
}

std::string triggerBlock(std::string_view triggerName)
{
    ScriptWriter out;
    out.writeLineBreak();
    out.writeLine({"ON=", triggerName});
    out.writeLineBreak();
    return std::move(out).release();
}

} // namespace defwright
