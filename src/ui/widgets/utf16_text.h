#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <string_view>

namespace defwright {

/// A view of a QString's UTF-16 code units, for the plain C++ text functions.
[[nodiscard]] inline std::u16string_view utf16View(const QString& text)
{
    return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

/// The code units of a QString to write into; QChar is laid out as a char16_t.
[[nodiscard]] inline std::span<char16_t> mutableUtf16(QString& text)
{
    return {reinterpret_cast<char16_t*>(text.data()), static_cast<std::size_t>(text.size())};
}

[[nodiscard]] inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace defwright
