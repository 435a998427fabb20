#pragma once

#include "core/index/definition_name.h"
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

/// The name the caret stands in or right after (see nameAt()).
[[nodiscard]] inline QString nameAtCaret(ScriptPane* pane)
{
    const long caret = pane->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long line = pane->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, static_cast<unsigned long>(caret));
    const long start = pane->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = pane->SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    const QByteArray text = paneBytes(pane, start, end);
    return fromUtf8(nameAt({text.constData(), static_cast<std::size_t>(text.size())},
                           static_cast<std::size_t>(caret - start)));
}

} // namespace defwright
