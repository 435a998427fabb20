// libFuzzer target for the .scp formats: detection, decoding, encoding, the
// byte mapping and the line-break conversion. Built with clang by
// run_fuzzer.sh; any broken property aborts.
#include "core/files/line_breaks.h"
#include "core/files/script_bytes.h"
#include "core/files/utf8.h"
#include "core/files/windows_1252.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

// Any file, opened and saved untouched, gives its bytes back; its text is
// valid UTF-8 unless a byte-order mark said so of bytes that are not.
void openThenSaveGivesTheBytes(std::string_view bytes)
{
    const ScriptFormat format = detectFormat(bytes);
    const std::string text = decodeScript(bytes, format.encoding);
    const EncodedScript saved = encodeScript(text, format);
    check(saved.bytes == bytes && saved.unencodable == 0);
    check(format.encoding == TextEncoding::Utf8WithBom || isValidUtf8(text));

    // Typed at the end: a file that ended with a line break ends with the
    // pane's break again, and one that did not ends with what was typed.
    const std::string_view body = bytes.substr(format.encoding == TextEncoding::Utf8WithBom ? kUtf8Bom.size() : 0);
    const bool endedWithBreak = !body.empty() && (body.back() == '\r' || body.back() == '\n');
    const std::string typed = encodeScript(text + "x", format).bytes;
    check(typed.ends_with(endedWithBreak ? std::string("x") + std::string(lineBreakText(format.lineBreak))
                                         : std::string("x")));

    // Saved as UTF-8 instead, the same text comes back, unless it starts with
    // U+FEFF, which then reads as a byte-order mark.
    const ScriptFormat utf8{TextEncoding::Utf8, format.lineBreak, format.mixedLineBreaks, false};
    const std::string asUtf8 = encodeScript(text, utf8).bytes;
    check(decodeScript(asUtf8, detectFormat(asUtf8).encoding) == text || !isValidUtf8(text)
          || text.starts_with(kUtf8Bom));
}

// What Enter, a paste or a chosen break make of the text: every break the
// asked one, and nothing else changed. Checked byte by byte here.
void lineBreaksConvert(std::string_view text)
{
    for (const LineBreak lineBreak : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr}) {
        const std::string converted = withLineBreaks(text, lineBreak);
        check(hasOnlyLineBreaks(converted, lineBreak));
        check(hasOnlyLineBreaks(text, lineBreak) == (converted == text));
        std::string expected;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' && text[i] != '\n') {
                expected += text[i];
                continue;
            }
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            expected += lineBreakText(lineBreak);
        }
        check(converted == expected);
    }
}

void bytesRoundTrip(std::string_view bytes)
{
    const std::u16string text = decodeWindows1252(bytes);
    check(text.size() == bytes.size());
    const Windows1252Bytes encoded = encodeWindows1252(text);
    check(encoded.replaced == 0 && encoded.bytes == bytes);
    const Windows1252Bytes fromUtf8 = windows1252FromUtf8(utf8FromWindows1252(bytes));
    check(fromUtf8.replaced == 0 && fromUtf8.bytes == bytes);
}

std::size_t codePoints(std::u16string_view text)
{
    std::size_t count = text.size();
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            --count;
            ++i;
        }
    }
    return count;
}

// Any UTF-16, as the user may type or paste it: one byte per character, and
// what comes back is the same text when nothing had to be replaced.
void anyTextEncodes(const std::uint8_t* data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * sizeof(char16_t));
    const Windows1252Bytes encoded = encodeWindows1252(text);
    check(encoded.bytes.size() == codePoints(text));
    check(encoded.replaced <= encoded.bytes.size());
    if (encoded.replaced == 0)
        check(decodeWindows1252(encoded.bytes) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    openThenSaveGivesTheBytes(bytes);
    lineBreaksConvert(bytes);
    bytesRoundTrip(bytes);
    anyTextEncodes(data, size);
    return 0;
}
