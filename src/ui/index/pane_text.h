#pragma once

#include "ui/panes/script_pane.h"

#include <QString>

#include <string>
#include <string_view>

namespace defwright {

/// The pane's bytes from `start` to `end`.
[[nodiscard]] inline QByteArray paneBytes(const ScriptPane* pane, long start, long end)
{
    const std::string_view bytes = pane->bytesIn(static_cast<std::size_t>(start), static_cast<std::size_t>(end));
    return {bytes.data(), static_cast<qsizetype>(bytes.size())};
}

/// The pane's whole text as it holds it: UTF-8, its line breaks as they are.
[[nodiscard]] inline std::string paneText(const ScriptPane* pane)
{
    return std::string(pane->bytes());
}

[[nodiscard]] inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace defwright
