#include "core/session/session_codec.h"

#include "core/session/session_names.h"

#include <utility>

namespace defwright {
namespace {

using namespace session_names;

class Writer {
public:
    // One allocation for the whole store: the texts may be many megabytes.
    explicit Writer(std::size_t expectedBytes) { bytes_.reserve(expectedBytes); }

    void entry(std::string_view key, std::string_view value)
    {
        bytes_.append(key).append(" ").append(std::to_string(value.size())).append("\n");
        bytes_.append(value).append("\n");
    }
    void numbers(std::string_view key, std::uint64_t first, std::uint64_t second)
    {
        entry(key, std::to_string(first) + ' ' + std::to_string(second));
    }
    void flag(std::string_view key, bool value) { entry(key, value ? "1" : "0"); }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_ = std::string(kHeader) + std::to_string(kSessionFormatVersion) + '\n';
};

void writePane(Writer& out, const KeptPane& pane)
{
    out.entry("pane", pane.name);
    out.entry("path", pane.filePath);
    if (pane.text)
        out.entry("text", *pane.text);
    out.entry("encoding", nameOf(kEncodings, pane.format.encoding));
    out.entry("line-break", nameOf(kLineBreaks, pane.format.lineBreak));
    out.flag("mixed-line-breaks", pane.format.mixedLineBreaks);
    out.flag("final-line-break", pane.format.endsWithLineBreak);
    out.flag("modified", pane.modified);
    if (pane.fileStamp)
        out.numbers("file-stamp", pane.fileStamp->size, pane.fileStamp->modifiedMs);
    out.numbers("selection", pane.view.caret, pane.view.anchor);
    out.numbers("scroll", pane.view.firstLine, pane.view.xOffset);
}

// Texts and field values, and room for every entry's key and count.
std::size_t expectedBytes(const KeptSession& session)
{
    std::size_t bytes = 1024;
    for (const KeptPane& pane : session.panes)
        bytes += 512 + pane.filePath.size() + (pane.text ? pane.text->size() : 0);
    for (const auto& [name, text] : session.fields)
        bytes += 32 + name.size() + text.size();
    return bytes;
}

} // namespace

std::string encodeSession(const KeptSession& session)
{
    Writer out(expectedBytes(session));
    for (const KeptPane& pane : session.panes)
        writePane(out, pane);
    for (const auto& [name, text] : session.fields)
        out.entry("field", name + '=' + text);
    out.entry("npc-frames", nameOf(kNpcFrames, session.npcFrames));
    out.entry("end", "");
    return out.take();
}

} // namespace defwright
