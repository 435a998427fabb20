#pragma once

#include "core/table/definition_table.h"

#include <QString>

#include <string_view>

namespace defwright {

/// The core's UTF-8 as the window shows it.
[[nodiscard]] inline QString textOf(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// A cell's values, one a line in the table, side by side between bars.
[[nodiscard]] inline QString shownValues(std::string_view values)
{
    return textOf(values).replace(QLatin1Char(kValueSeparator), QStringLiteral(" | "));
}

} // namespace defwright
