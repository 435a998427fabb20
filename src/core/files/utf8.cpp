#include "core/files/utf8.h"

#include <cstdint>

namespace defwright {
namespace {

bool isContinuation(char unit)
{
    return (static_cast<std::uint8_t>(unit) & 0xC0) == 0x80;
}

struct Lead {
    std::size_t size;
    char32_t bits;
    char32_t lowest; // anything below is an overlong form
};

// 0: not a lead byte (a continuation byte, or 0xF8 and up).
Lead leadOf(std::uint8_t byte)
{
    if (byte < 0x80)
        return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0) == 0xE0)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8) == 0xF0)
        return {4, byte & 0x07u, 0x10000};
    return {0, 0, 0};
}

} // namespace

Utf8Character nextUtf8Character(std::string_view text, std::size_t at)
{
    const Lead lead = leadOf(static_cast<std::uint8_t>(text[at]));
    if (lead.size == 0 || at + lead.size > text.size())
        return {static_cast<std::uint8_t>(text[at]), 1, false};
    char32_t codePoint = lead.bits;
    for (std::size_t i = 1; i < lead.size; ++i) {
        if (!isContinuation(text[at + i]))
            return {static_cast<std::uint8_t>(text[at]), 1, false};
        codePoint = (codePoint << 6) | (static_cast<std::uint8_t>(text[at + i]) & 0x3Fu);
    }
    const bool valid = codePoint >= lead.lowest && codePoint <= 0x10FFFF && (codePoint < 0xD800 || codePoint > 0xDFFF);
    if (!valid)
        return {static_cast<std::uint8_t>(text[at]), 1, false};
    return {codePoint, lead.size, true};
}

// ASCII, most of any script, is passed over without decoding.
bool isValidUtf8(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size()) {
        if (static_cast<std::uint8_t>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const Utf8Character character = nextUtf8Character(text, at);
        if (!character.valid)
            return false;
        at += character.size;
    }
    return true;
}

} // namespace defwright
