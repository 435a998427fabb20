#include "core/files/script_bytes.h"

#include "core/files/windows_1252.h"

namespace defwright {

std::string decodeScript(std::string_view bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1252:
        return utf8FromWindows1252(bytes);
    case TextEncoding::Utf8WithBom:
        if (bytes.starts_with(kUtf8Bom))
            bytes.remove_prefix(kUtf8Bom.size());
        break;
    case TextEncoding::Utf8:
        break;
    }
    return std::string(bytes);
}

EncodedScript encodeScript(std::string_view text, const ScriptFormat& format)
{
    const bool endsWithBreak = !text.empty() && (text.back() == '\r' || text.back() == '\n');
    const std::string_view finalBreak = format.endsWithLineBreak && !endsWithBreak
        ? lineBreakText(format.lineBreak)
        : std::string_view();
    EncodedScript encoded;
    if (format.encoding == TextEncoding::Windows1252) {
        Windows1252Bytes bytes = windows1252FromUtf8(text);
        encoded = {std::move(bytes.bytes), bytes.replaced};
    } else {
        const std::string_view bom = format.encoding == TextEncoding::Utf8WithBom ? kUtf8Bom : std::string_view();
        encoded.bytes.reserve(bom.size() + text.size() + finalBreak.size());
        encoded.bytes.append(bom).append(text);
    }
    encoded.bytes.append(finalBreak);
    return encoded;
}

} // namespace defwright
