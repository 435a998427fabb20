#include "core/files/windows_1252.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>

namespace defwright {
namespace {

// Bytes 0x80 to 0x9F; every other byte is the character of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> decodingTable()
{
    std::array<char16_t, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = static_cast<char16_t>(byte);
    std::copy(kHighControls.begin(), kHighControls.end(), table.begin() + 0x80);
    return table;
}

constexpr std::array<char16_t, 256> kDecoding = decodingTable();

std::optional<char> encodedByte(char16_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), character);
    if (found == kHighControls.end())
        return std::nullopt;
    return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

bool isHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

std::u16string decodeWindows1252(std::string_view bytes)
{
    std::u16string text(bytes.size(), u'\0');
    decodeWindows1252(bytes, text);
    return text;
}

void decodeWindows1252(std::string_view bytes, std::span<char16_t> text)
{
    assert(text.size() == bytes.size());
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char byte) { return kDecoding[static_cast<std::uint8_t>(byte)]; });
}

Windows1252Bytes encodeWindows1252(std::u16string_view text)
{
    Windows1252Bytes encoded;
    encoded.bytes.resize(text.size());
    char* out = encoded.bytes.data();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::optional<char> byte = encodedByte(text[i])) {
            *out++ = *byte;
            continue;
        }
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
            ++i;
        *out++ = '?';
        ++encoded.replaced;
    }
    encoded.bytes.resize(static_cast<std::size_t>(out - encoded.bytes.data()));
    return encoded;
}

} // namespace defwright
