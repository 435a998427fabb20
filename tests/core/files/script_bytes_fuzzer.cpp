// libFuzzer target for the .scp byte mapping and the line-break conversion.
// Built with clang by run_fuzzer.sh; any broken property aborts.
#include "core/files/line_breaks.h"
#include "core/files/windows_1252.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace defwright;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

// What Open and then Save As make of a text: every CR LF, lone CR and lone LF
// becomes CR LF. Written character by character, unlike the code under test.
std::u16string withCrLfLineEnds(std::u16string_view text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            result += u"\r\n";
        } else {
            result += text[i];
        }
    }
    return result;
}

void bytesRoundTrip(std::string_view bytes)
{
    const std::u16string text = decodeWindows1252(bytes);
    check(text.size() == bytes.size());
    const Windows1252Bytes encoded = encodeWindows1252(text);
    check(encoded.replaced == 0 && encoded.bytes == bytes);

    const std::u16string script = withCrLfLineBreaks(text);
    check(script == withCrLfLineEnds(text));
    check(crLfLength(text) == script.size() && withCrLfLineBreaks(script) == script);
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
    bytesRoundTrip({reinterpret_cast<const char*>(data), size});
    anyTextEncodes(data, size);
    return 0;
}
