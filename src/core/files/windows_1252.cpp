#include "core/files/windows_1252.h"

#include "core/files/utf8.h"

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

/// A character of the decoding table in UTF-8: one to three code units.
struct Utf8Units {
    std::uint8_t size = 0;
    std::array<char, 3> units{};
};

constexpr Utf8Units utf8Units(char16_t character)
{
    const auto unit = [](unsigned value) { return static_cast<char>(static_cast<std::uint8_t>(value)); };
    if (character < 0x80)
        return {1, {unit(character), 0, 0}};
    if (character < 0x800)
        return {2, {unit(0xC0 | (character >> 6)), unit(0x80 | (character & 0x3F)), 0}};
    return {3, {unit(0xE0 | (character >> 12)), unit(0x80 | ((character >> 6) & 0x3F)), unit(0x80 | (character & 0x3F))}};
}

constexpr std::array<Utf8Units, 256> utf8Table()
{
    std::array<Utf8Units, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte)
        table[byte] = utf8Units(kDecoding[byte]);
    return table;
}

constexpr std::array<Utf8Units, 256> kUtf8 = utf8Table();

// Without a branch, so that the compiler makes vector code of it.
bool hasHighByte(std::string_view bytes)
{
    unsigned bits = 0;
    for (const char byte : bytes)
        bits |= static_cast<std::uint8_t>(byte);
    return (bits & 0x80) != 0;
}

std::size_t utf8Length(std::string_view bytes)
{
    std::size_t length = 0;
    for (const char byte : bytes)
        length += kUtf8[static_cast<std::uint8_t>(byte)].size;
    return length;
}

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

// Runs of plain ASCII, most of a script, are copied whole; only the bytes
// from 0x80 up are looked at one by one.
std::string utf8FromWindows1252(std::string_view bytes)
{
    if (!hasHighByte(bytes))
        return std::string(bytes);
    std::string utf8(utf8Length(bytes), '\0');
    char* out = utf8.data();
    const char* in = bytes.data();
    const char* const end = in + bytes.size();
    while (in != end) {
        const char* const run
            = std::find_if(in, end, [](char byte) { return static_cast<std::uint8_t>(byte) >= 0x80; });
        out = std::copy(in, run, out);
        if (run == end)
            break;
        const Utf8Units& units = kUtf8[static_cast<std::uint8_t>(*run)];
        out = std::copy_n(units.units.begin(), units.size, out);
        in = run + 1;
    }
    assert(out == utf8.data() + utf8.size());
    return utf8;
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

Windows1252Bytes windows1252FromUtf8(std::string_view utf8)
{
    Windows1252Bytes encoded;
    encoded.bytes.resize(utf8.size());
    char* out = encoded.bytes.data();
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto run = std::find_if(utf8.begin() + static_cast<std::ptrdiff_t>(at), utf8.end(),
                                      [](char unit) { return static_cast<std::uint8_t>(unit) >= 0x80; });
        const auto ascii = static_cast<std::size_t>(run - utf8.begin()) - at;
        out = std::copy_n(utf8.data() + at, ascii, out);
        at += ascii;
        if (at == utf8.size())
            break;
        const Utf8Character character = nextUtf8Character(utf8, at);
        at += character.size;
        const std::optional<char> byte = character.valid && character.codePoint <= 0xFFFF
            ? encodedByte(static_cast<char16_t>(character.codePoint))
            : std::nullopt;
        // A byte that begins no character (not UTF-8 at all) is one "?" too.
        *out++ = byte.value_or('?');
        encoded.replaced += static_cast<std::size_t>(!byte);
    }
    encoded.bytes.resize(static_cast<std::size_t>(out - encoded.bytes.data()));
    return encoded;
}

} // namespace defwright
