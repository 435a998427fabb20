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

void writeDocument(Writer& out, const KeptDocument& document)
{
    out.entry("document", document.formScript ? "form" : "file");
    out.entry("path", document.filePath);
    if (document.text)
        out.entry("text", *document.text);
    out.entry("encoding", nameOf(kEncodings, document.format.encoding));
    out.entry("line-break", nameOf(kLineBreaks, document.format.lineBreak));
    out.flag("mixed-line-breaks", document.format.mixedLineBreaks);
    out.flag("final-line-break", document.format.endsWithLineBreak);
    out.flag("modified", document.modified);
    if (document.fileStamp)
        out.numbers("file-stamp", document.fileStamp->size, document.fileStamp->modifiedMs);
    out.numbers("selection", document.view.caret, document.view.anchor);
    out.numbers("scroll", document.view.firstLine, document.view.xOffset);
    if (document.tie)
        out.entry("tie", std::to_string(document.tie->line) + ' ' + document.tie->header);
}

void writePane(Writer& out, const KeptPane& pane)
{
    out.entry("pane", pane.name);
    out.entry("front", std::to_string(pane.front));
    for (const KeptDocument& document : pane.documents)
        writeDocument(out, document);
}

// Texts and field values, and room for every entry's key and count.
std::size_t expectedBytes(const KeptSession& session)
{
    std::size_t bytes = 1024;
    for (const KeptPane& pane : session.panes) {
        for (const KeptDocument& document : pane.documents) {
            bytes += 512 + document.filePath.size() + (document.text ? document.text->size() : 0)
                   + (document.tie ? document.tie->header.size() : 0);
        }
    }
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
