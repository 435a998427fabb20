#pragma once

// The names a kept session gives its values, the same both ways.

#include "core/session/kept_session.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace defwright::session_names {

inline constexpr std::string_view kHeader = "Defwright session ";

template <typename Value>
using Names = std::array<std::pair<Value, std::string_view>, 3>;

inline constexpr Names<TextEncoding> kEncodings = {{
    {TextEncoding::Windows1252, "windows-1252"},
    {TextEncoding::Utf8, "utf-8"},
    {TextEncoding::Utf8WithBom, "utf-8-bom"},
}};
inline constexpr Names<LineBreak> kLineBreaks = {{
    {LineBreak::CrLf, "crlf"},
    {LineBreak::Lf, "lf"},
    {LineBreak::Cr, "cr"},
}};
inline constexpr Names<KeptNpcFrames> kNpcFrames = {{
    {KeptNpcFrames::Start, "start"},
    {KeptNpcFrames::Basic, "basic"},
    {KeptNpcFrames::Create, "create"},
}};

template <typename Value>
std::string_view nameOf(const Names<Value>& names, Value value)
{
    for (const auto& [each, name] : names) {
        if (each == value)
            return name;
    }
    return {};
}

template <typename Value>
std::optional<Value> valueOf(const Names<Value>& names, std::string_view name)
{
    for (const auto& [value, each] : names) {
        if (each == name)
            return value;
    }
    return std::nullopt;
}

} // namespace defwright::session_names
